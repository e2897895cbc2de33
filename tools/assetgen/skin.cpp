#include "artwork.h"
#include "colours.h"
#include "drainpipe.h"
#include "draw.h"
#include "fonts.h"
#include "glyphs.h"

namespace kalmoro::assetgen {

namespace {

// What stays visible of the skin: the white ground and the frame around the page area.
void PaintFrame(QPainter &p)
{
    p.setPen(QPen(colour::kSkinFrame, 1));
    p.setBrush(Qt::NoBrush);
    // Half-pixel edges put each line on exactly one pixel column or row: 217, 97, 1036, 656.
    p.drawRoundedRect(QRectF(217.5, 97.5, 819, 559), 5, 5);
}

// An earlier layout of the title area, the navigation column and the drain pipe page,
// kept in pale colours. The controls cover every part of it, so each piece is clipped
// to the rectangle of the control that lies over it.
void PaintCoveredLayout(QPainter &p)
{
    const QColor paleOrange(255, 214, 168);
    const QColor paleGrey(214, 214, 214);

    p.save();
    p.setClipRect(QRectF(32, 32, 188, 32));
    DrawGlyph(p, Glyph::Wrench, QRectF(34, 35, 26, 26), paleOrange);
    DrawTextLine(p, QStringLiteral("Kalmoro"), Font(Face::Sans, 20, QFont::Bold), paleGrey,
        QRectF(66, 32, 150, 32), Qt::AlignLeft);
    p.restore();

    const struct {
        QRectF area;
        Glyph glyph;
    } titleSymbols[] = {
        {QRectF(929, 26, 26, 26), Glyph::Menu},
        {QRectF(972, 25, 26, 26), Glyph::Minimize},
        {QRectF(1009, 26, 26, 26), Glyph::Close},
    };
    for (const auto &symbol : titleSymbols)
        DrawGlyph(p, symbol.glyph, symbol.area.adjusted(2, 2, -2, -2), paleGrey);

    const char *labels[] = {"加氟计算", "铜管计算", "水管选择", "风口价格", "空调选型", "关于软件"};
    for (int i = 0; i < 6; ++i) {
        const QRectF entry(0, 128 + 72 * i, 210, 55);
        DrawTextLine(p, Utf8(labels[i]), Font(Face::Sans, 17), paleOrange, entry.adjusted(84, 0, -10, 0),
            Qt::AlignLeft);
    }

    // The drain pipe table where page 3 shows its picture.
    PaintDrainPipeTable(p, QPointF(225 + 23 + 75, 103 + 37 + 130), QColor(255, 236, 214),
        QColor(255, 226, 196), QColor(255, 252, 247));
}

void PaintSkin(QPainter &p)
{
    PaintCoveredLayout(p);
    PaintFrame(p);
}

} // namespace

void AddSkin(Artworks &out)
{
    out.push_back({Asset::img012, PaintSkin});
}

} // namespace kalmoro::assetgen
