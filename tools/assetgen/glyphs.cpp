#include "glyphs.h"

#include <QPainterPath>

#include "draw.h"
#include "fonts.h"

namespace kalmoro::assetgen {

namespace {

// Every glyph is laid out on a 24 x 24 grid.
constexpr qreal kGrid = 24.0;

void Clipboard(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 4.5, 15, 17.5), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(8, 2, 8, 4.6), 1.3, 1.3);
    p.setPen(RoundPen(c, 1.7));
    p.drawLine(QPointF(8.5, 11), QPointF(15.5, 11));
    p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
    p.drawLine(QPointF(8.5, 18), QPointF(12.5, 18));
}

void Vrv(QPainter &p, const QColor &c)
{
    const QFont font = Font(Face::Sans, 11, QFont::Black);
    DrawTextLine(p, QStringLiteral("VRV"), font, c, QRectF(0, 3, kGrid, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(2.5, 17, 19, 2.4));
}

void PipeFitting(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath body;
    body.moveTo(4, 8.5);
    body.lineTo(20, 8.5);
    body.moveTo(4, 14.5);
    body.lineTo(9, 14.5);
    body.lineTo(9, 19);
    body.moveTo(15, 19);
    body.lineTo(15, 14.5);
    body.lineTo(20, 14.5);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(1, 6.5, 3.2, 10), 1, 1);
    p.drawRoundedRect(QRectF(19.8, 6.5, 3.2, 10), 1, 1);
    p.drawRoundedRect(QRectF(7, 18.8, 10, 3.2), 1, 1);
}

void Grille(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 1.5, 1.5);
    p.setPen(RoundPen(c, 1.5));
    for (const qreal y : {8.5, 12.0, 15.5})
        p.drawLine(QPointF(6, y), QPointF(18, y));
}

void WallUnit(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 4.5, 20, 9), 3, 3);
    p.drawLine(QPointF(5.5, 10.8), QPointF(18.5, 10.8));
    p.setPen(RoundPen(c, 1.5));
    for (const qreal x : {7.0, 12.0, 17.0}) {
        QPainterPath wave;
        wave.moveTo(x, 16);
        wave.cubicTo(x - 1.8, 17.5, x + 1.8, 19, x, 21);
        p.drawPath(wave);
    }
}

void House(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2.5, 12), QPointF(12, 3.5), QPointF(21.5, 12)}));
    p.drawPolyline(QPolygonF({QPointF(5.5, 10.5), QPointF(5.5, 21), QPointF(18.5, 21), QPointF(18.5, 10.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(10, 14.5, 4, 6.5), 0.8, 0.8);
}

void MoneyBag(QPainter &p, const QColor &c, const QColor &background)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath bag;
    bag.moveTo(9, 7.5);
    bag.cubicTo(3, 10.5, 2.5, 21.5, 12, 21.5);
    bag.cubicTo(21.5, 21.5, 21, 10.5, 15, 7.5);
    bag.closeSubpath();
    p.drawPath(bag);
    QPainterPath knot;
    knot.moveTo(8, 2.5);
    knot.lineTo(16, 2.5);
    knot.lineTo(14, 6.8);
    knot.lineTo(10, 6.8);
    knot.closeSubpath();
    p.drawPath(knot);
    DrawTextLine(p, QStringLiteral("¥"), Font(Face::Sans, 9, QFont::Bold), background, QRectF(6, 11, 12, 9));
}

void Smiley(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.drawArc(QRectF(7.5, 8, 9, 8.5), -20 * 16, -140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(9, 10), 1.4, 1.4);
    p.drawEllipse(QPointF(15, 10), 1.4, 1.4);
}

void ThumbsUp(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(2.5, 10.5, 4, 10.5), 1, 1);
    QPainterPath hand;
    hand.moveTo(8, 10.5);
    hand.lineTo(11.5, 3.8);
    hand.cubicTo(12.6, 2.2, 14.8, 3, 14.4, 5);
    hand.lineTo(13.4, 9);
    hand.lineTo(19, 9);
    hand.cubicTo(20.8, 9, 21.6, 10.4, 21.2, 11.8);
    hand.lineTo(19.4, 19.6);
    hand.cubicTo(19, 20.6, 18.2, 21, 17.2, 21);
    hand.lineTo(8, 21);
    hand.closeSubpath();
    p.drawPath(hand);
}

void Registered(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    DrawTextLine(p, QStringLiteral("R"), Font(Face::Sans, 12, QFont::Bold), c, QRectF(2.5, 2.5, 19, 19));
}

void CircleGrid(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    for (const qreal y : {5.5, 12.0, 18.5})
        for (const qreal x : {5.5, 12.0, 18.5})
            p.drawEllipse(QPointF(x, y), 2.5, 2.5);
}

void Cabinet(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 4, 19, 16), 1.5, 1.5);
    p.drawEllipse(QPointF(10, 12), 5, 5);
    p.drawLine(QPointF(17.5, 8), QPointF(17.5, 16));
    p.setPen(RoundPen(c, 1.3));
    p.drawLine(QPointF(6.5, 12), QPointF(13.5, 12));
    p.drawLine(QPointF(10, 8.5), QPointF(10, 15.5));
    p.setPen(RoundPen(c, 1.8));
    p.drawLine(QPointF(5, 20), QPointF(5, 22));
    p.drawLine(QPointF(19, 20), QPointF(19, 22));
}

void Menu(QPainter &p, const QColor &c)
{
    for (const qreal y : {7.0, 12.0, 17.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(5.5, y), 1.5, 1.5);
        p.setPen(RoundPen(c, 1.8));
        p.drawLine(QPointF(9.5, y), QPointF(19, y));
    }
}

void Minimize(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(5.5, 16.5, 13, 2.2), 0.8, 0.8);
}

void Close(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.5));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void Wrench(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 3.2));
    p.drawLine(QPointF(6, 18), QPointF(14, 10));
    p.setPen(RoundPen(c, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 3, 9, 9), 200 * 16, 270 * 16);
}

// A manifold gauge: the dial, its scale and the needle, on its connector.
void Gauge(QPainter &p, const QColor &c)
{
    p.setPen(RoundPen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 2, 18, 18));
    p.drawArc(QRectF(6.5, 5.5, 11, 11), -30 * 16, 240 * 16);
    p.drawLine(QPointF(12, 11), QPointF(15.5, 7));
    p.drawLine(QPointF(12, 20), QPointF(12, 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 11), 1.6, 1.6);
}

} // namespace

void DrawGlyph(
    QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour, const QColor &background)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    switch (glyph) {
    case Glyph::Clipboard:
        Clipboard(painter, colour);
        break;
    case Glyph::Vrv:
        Vrv(painter, colour);
        break;
    case Glyph::PipeFitting:
        PipeFitting(painter, colour);
        break;
    case Glyph::Grille:
        Grille(painter, colour);
        break;
    case Glyph::WallUnit:
        WallUnit(painter, colour);
        break;
    case Glyph::House:
        House(painter, colour);
        break;
    case Glyph::MoneyBag:
        MoneyBag(painter, colour, background);
        break;
    case Glyph::Smiley:
        Smiley(painter, colour);
        break;
    case Glyph::ThumbsUp:
        ThumbsUp(painter, colour);
        break;
    case Glyph::Registered:
        Registered(painter, colour);
        break;
    case Glyph::CircleGrid:
        CircleGrid(painter, colour);
        break;
    case Glyph::Cabinet:
        Cabinet(painter, colour);
        break;
    case Glyph::Menu:
        Menu(painter, colour);
        break;
    case Glyph::Minimize:
        Minimize(painter, colour);
        break;
    case Glyph::Close:
        Close(painter, colour);
        break;
    case Glyph::Wrench:
        Wrench(painter, colour);
        break;
    case Glyph::Gauge:
        Gauge(painter, colour);
        break;
    }
    painter.restore();
}

} // namespace kalmoro::assetgen
