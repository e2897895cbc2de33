#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "glyphs.h"

namespace kalmoro::assetgen {

namespace {

struct NavEntry {
    const char *label;
    Glyph glyph;
    Asset selected;
    Asset unselected;
    Asset normal; // the button's own faces in the window layout
    Asset hover;
};

constexpr NavEntry kEntries[] = {
    {"加氟计算", Glyph::Clipboard, Asset::img008, Asset::img001, Asset::img157, Asset::img158},
    {"铜管计算", Glyph::Vrv, Asset::img000, Asset::img007, Asset::img155, Asset::img156},
    {"水管选择", Glyph::PipeFitting, Asset::img009, Asset::img002, Asset::img153, Asset::img154},
    {"风口价格", Glyph::Grille, Asset::img010, Asset::img003, Asset::img140, Asset::img141},
    {"空调选型", Glyph::WallUnit, Asset::img011, Asset::img004, Asset::img123, Asset::img124},
    {"关于软件", Glyph::House, Asset::img006, Asset::img005, Asset::img125, Asset::img126},
    {"冷媒压力", Glyph::Gauge, Asset::img173, Asset::img174, Asset::img175, Asset::img176},
};

// The button shows only the left 210 of the 220 px, so everything stays well inside that.
void PaintEntry(QPainter &p, const NavEntry &entry, const QColor &colour, bool selectedBar)
{
    if (selectedBar)
        p.fillRect(QRectF(0, 0, 5, 55), colour::kBarOrange);
    DrawGlyph(p, entry.glyph, QRectF(44, 14.5, 26, 26), colour);
    DrawTextLine(p, Utf8(entry.label), Font(Face::Sans, 18), colour, QRectF(84, 0, 120, 55), Qt::AlignLeft);
}

} // namespace

void AddNavigation(Artworks &out)
{
    for (const NavEntry &entry : kEntries) {
        out.push_back(
            {entry.selected, [&entry](QPainter &p) { PaintEntry(p, entry, colour::kOrange, true); }});
        out.push_back(
            {entry.unselected, [&entry](QPainter &p) { PaintEntry(p, entry, colour::kGrey, false); }});
        out.push_back(
            {entry.normal, [&entry](QPainter &p) { PaintEntry(p, entry, colour::kOrange, false); }});
        out.push_back({entry.hover, [&entry](QPainter &p) { PaintEntry(p, entry, colour::kGreen, false); }});
    }
}

} // namespace kalmoro::assetgen
