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
    std::string_view selected;
    std::string_view unselected;
    std::string_view normal; // the button's own faces in the window layout
    std::string_view hover;
};

constexpr NavEntry kEntries[] = {
    {"加氟计算", Glyph::Clipboard, "img008", "img001", "img157", "img158"},
    {"铜管计算", Glyph::Vrv, "img000", "img007", "img155", "img156"},
    {"水管选择", Glyph::PipeFitting, "img009", "img002", "img153", "img154"},
    {"风口价格", Glyph::Grille, "img010", "img003", "img140", "img141"},
    {"空调选型", Glyph::WallUnit, "img011", "img004", "img123", "img124"},
    {"关于软件", Glyph::House, "img006", "img005", "img125", "img126"},
    {"冷媒压力", Glyph::Gauge, "img173", "img174", "img175", "img176"},
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
