#include "makerart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QLinearGradient>

#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"

namespace kalmoro::assetgen {

namespace {

QPointF Corner(const QPointF &centre, qreal radius, int index)
{
    const qreal angle = (-90.0 + 60.0 * index) * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

void PaintIcon(QPainter &p, qreal stroke)
{
    const QRectF square(8, 8, 240, 240);
    QLinearGradient ground(square.topLeft(), square.bottomLeft());
    ground.setColorAt(0, QColor(255, 186, 80));
    ground.setColorAt(0.55, QColor(248, 140, 16));
    ground.setColorAt(1, QColor(236, 112, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(square, 54, 54);
    DrawMakerMark(p, QPointF(128, 130), 78, colour::kWhite, stroke);
}

void PaintLogo(QPainter &p)
{
    DrawMakerMark(p, QPointF(16, 16), 13, colour::kOrange, 2.6);
    QFont font = Font(Face::Sans, 22, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    DrawTextLine(
        p, QStringLiteral("Kalmoro"), font, colour::kDarkGrey, QRectF(38, 0, 150, 32), Qt::AlignLeft);
}

void PaintMakerButton(QPainter &p, const QColor &ink)
{
    DrawMakerMark(p, QPointF(26, 23), 18, ink, 3.4);
    const QFont maker = Font(Face::Sans, 26, QFont::Bold);
    const QString makerName = QStringLiteral("Lumavo");
    DrawTextLine(p, makerName, maker, ink, QRectF(54, 0, 200, 46), Qt::AlignLeft);
    const qreal rule = 54 + TextWidth(maker, makerName) + 16;
    p.fillRect(QRectF(rule, 12, 2, 22), ink);
    DrawTextLine(p, QStringLiteral("Kalmoro"), Font(Face::Sans, 26), ink, QRectF(rule + 18, 0, 200, 46),
        Qt::AlignLeft);
}

} // namespace

void DrawMakerMark(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour, qreal stroke)
{
    p.save();
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << Corner(centre, radius, i);
    p.setPen(RoundPen(colour, stroke));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(hexagon);
    for (const int i : {1, 3, 5})
        p.drawLine(centre, Corner(centre, radius * 0.98, i));
    p.restore();
}

QImage RenderIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    PaintIcon(p, std::max(15.0, 1.9 * 256.0 / size));
    p.end();
    return image;
}

void AddMakerArt(Artworks &out)
{
    out.push_back({Asset::img172, [](QPainter &p) { PaintIcon(p, 15.0); }});
    out.push_back({Asset::img077, PaintLogo});
    out.push_back({Asset::img014, [](QPainter &p) { PaintMakerButton(p, colour::kDarkGrey); }});
    out.push_back({Asset::img015, [](QPainter &p) { PaintMakerButton(p, colour::kOrange); }});
}

} // namespace kalmoro::assetgen
