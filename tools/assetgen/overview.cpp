#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "glyphs.h"

namespace kalmoro::assetgen {

namespace {

struct Tile {
    QRectF box;
    const char *label;
    bool hasGlyph;
    Glyph glyph;
};

// The top 12 px stay empty: the last line of the text above overlaps them.
const Tile kTiles[] = {
    {QRectF(24, 14, 260, 68), "加氟计算", true, Glyph::Clipboard},
    {QRectF(296, 14, 260, 68), "铜管计算", true, Glyph::Vrv},
    {QRectF(24, 94, 260, 68), "水管选择", true, Glyph::PipeFitting},
    {QRectF(296, 94, 260, 68), "空调选型", true, Glyph::WallUnit},
    {QRectF(24, 174, 532, 68), "其他功能陆续添加ing", false, Glyph::Clipboard},
};

void PaintTile(QPainter &p, const Tile &tile)
{
    p.setPen(QPen(colour::kBarOrange, 1));
    p.setBrush(colour::kWhite);
    p.drawRect(tile.box.adjusted(0.5, 0.5, -0.5, -0.5));
    p.fillRect(QRectF(tile.box.left(), tile.box.top(), 7, tile.box.height()), colour::kBarOrange);
    const QFont font = Font(Face::Sans, 22, QFont::Bold);
    const QString label = Utf8(tile.label);
    if (tile.hasGlyph) {
        DrawGlyph(
            p, tile.glyph, QRectF(tile.box.left() + 34, tile.box.center().y() - 18, 36, 36), colour::kOrange);
        DrawTextLine(p, label, font, colour::kOrange, tile.box.adjusted(90, 0, 0, 0), Qt::AlignLeft);
        return;
    }
    const qreal left = tile.box.left() + 34;
    DrawTextLine(p, label, font, colour::kOrange, tile.box.adjusted(34, 0, 0, 0), Qt::AlignLeft);
    // Two groups of three dots after the words.
    qreal x = left + TextWidth(font, label) + 18;
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kOrange);
    for (int group = 0; group < 2; ++group) {
        for (int dot = 0; dot < 3; ++dot) {
            p.drawEllipse(QPointF(x, tile.box.center().y() + 5), 2.6, 2.6);
            x += 10;
        }
        x += 12;
    }
}

void PaintOverview(QPainter &p)
{
    for (const Tile &tile : kTiles)
        PaintTile(p, tile);
}

} // namespace

void AddOverview(Artworks &out)
{
    out.push_back({Asset::img013, PaintOverview});
}

} // namespace kalmoro::assetgen
