#include "drainpipe.h"

#include "artwork.h"
#include "colours.h"
#include "drainpipetable.h"
#include "draw.h"
#include "fonts.h"

namespace kalmoro::assetgen {

namespace {

// The table's cells, row by row: a heading, then one cell per band.
QString cell(int row, int column)
{
    using namespace kalmoro::drainpipe;
    const std::u16string_view text = column == 0
        ? (row == 0 ? kCapacityHeading : kPipeHeading)
        : (row == 0 ? Bands[std::size_t(column - 1)].capacity : Bands[std::size_t(column - 1)].pipe);
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

constexpr qreal kHeadingWidth = 140;
constexpr qreal kColumnWidth = 115;
constexpr qreal kRowHeight = 60;

void PaintDrainPipePage(QPainter &p)
{
    DrawTextLine(p, Utf8("冷凝排水管选择"), Font(Face::Sans, 30, QFont::Bold), colour::kOrange,
        QRectF(0, 40, 750, 44));
    p.fillRect(QRectF(345, 90, 60, 3), colour::kBarOrange);
    PaintDrainPipeTable(p, QPointF(75, 130), colour::kBarOrange, colour::kOrange, QColor(255, 246, 232));
}

} // namespace

void PaintDrainPipeTable(
    QPainter &p, const QPointF &origin, const QColor &lines, const QColor &text, const QColor &headingFill)
{
    const qreal width = kHeadingWidth + qreal(drainpipe::Bands.size()) * kColumnWidth;
    p.save();
    p.translate(origin);
    p.fillRect(QRectF(0, 0, kHeadingWidth, 2 * kRowHeight), headingFill);
    const QFont heading = Font(Face::Sans, 19, QFont::Bold);
    const QFont value = Font(Face::Sans, 20);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column <= int(drainpipe::Bands.size()); ++column) {
            const qreal left = column == 0 ? 0 : kHeadingWidth + (column - 1) * kColumnWidth;
            const qreal cellWidth = column == 0 ? kHeadingWidth : kColumnWidth;
            DrawTextLine(p, cell(row, column), column == 0 ? heading : value, text,
                QRectF(left, row * kRowHeight, cellWidth, kRowHeight));
        }
    }
    p.setPen(QPen(lines, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, width, 2 * kRowHeight));
    p.drawLine(QPointF(0, kRowHeight), QPointF(width, kRowHeight));
    for (int column = 0; column < int(drainpipe::Bands.size()); ++column) {
        const qreal x = kHeadingWidth + column * kColumnWidth;
        p.drawLine(QPointF(x, 0), QPointF(x, 2 * kRowHeight));
    }
    p.restore();
}

void AddDrainPipeTable(Artworks &out)
{
    out.push_back({Asset::img142, PaintDrainPipePage});
}

} // namespace kalmoro::assetgen
