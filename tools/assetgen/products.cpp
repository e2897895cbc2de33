#include "products.h"

#include <algorithm>

#include <QPainterPath>

#include "draw.h"

namespace kalmoro::assetgen {

namespace {

// Products are laid out on an 80 x 60 grid standing on the line y = 56.
constexpr qreal kGridWidth = 80.0;
constexpr qreal kGridHeight = 60.0;

const QColor kFront(246, 247, 249);
const QColor kSide(214, 219, 225);
const QColor kTop(230, 234, 238);
const QColor kOutline(148, 156, 166);
const QColor kLouvre(196, 202, 210);
const QColor kShadow(0, 0, 0, 28);

// One fan guard of an outdoor unit, seen from the front (or from above, squeezed).
void DrawFan(QPainter &p, const QPointF &centre, qreal rx, qreal ry)
{
    p.save();
    p.setPen(QPen(QColor(98, 106, 118), 0.8));
    p.setBrush(QColor(74, 82, 94));
    p.drawEllipse(centre, rx, ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(124, 133, 146), 0.6));
    for (const qreal f : {0.78, 0.56, 0.34})
        p.drawEllipse(centre, rx * f, ry * f);
    p.drawLine(centre - QPointF(rx, 0), centre + QPointF(rx, 0));
    p.drawLine(centre - QPointF(0, ry), centre + QPointF(0, ry));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 210, 216));
    p.drawEllipse(centre, rx * 0.14, ry * 0.14);
    p.restore();
}

void Shadow(QPainter &p, qreal left, qreal right)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawEllipse(QRectF(left - 3, 54.5, right - left + 6, 4));
}

// A box seen from the front with a little of its top and right side showing.
void Cabinet(QPainter &p, const QRectF &front, qreal depth)
{
    const QPen outline(kOutline, 0.8);
    p.setPen(outline);
    p.setBrush(kSide);
    p.drawPolygon(QPolygonF({front.topRight(), front.topRight() + QPointF(depth, -depth),
        front.bottomRight() + QPointF(depth, -depth), front.bottomRight()}));
    p.setBrush(kTop);
    p.drawPolygon(QPolygonF({front.topLeft(), front.topLeft() + QPointF(depth, -depth),
        front.topRight() + QPointF(depth, -depth), front.topRight()}));
    p.setBrush(kFront);
    p.drawRect(front);
}

void Louvres(QPainter &p, const QRectF &area, qreal step)
{
    p.setPen(QPen(kLouvre, 0.8));
    for (qreal y = area.top(); y <= area.bottom() + 0.01; y += step)
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void Feet(QPainter &p, const QRectF &front)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRect(QRectF(front.left() + 3, front.bottom(), 5, 2));
    p.drawRect(QRectF(front.right() - 8, front.bottom(), 5, 2));
}

void Badge(QPainter &p, const QRectF &rect, const QColor &accent)
{
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(rect, 0.6, 0.6);
}

void HomeUnit(QPainter &p, const QColor &accent)
{
    const QRectF front(12, 16, 50, 38);
    Shadow(p, front.left(), front.right() + 5);
    Cabinet(p, front, 5);
    DrawFan(p, QPointF(31, 35), 14, 14);
    Louvres(p, QRectF(50, 22, 8, 26), 2.6);
    Badge(p, QRectF(49, 50, 10, 1.6), accent);
    Feet(p, front);
}

void TwinFanUnit(QPainter &p, const QColor &accent)
{
    const QRectF front(4, 18, 66, 36);
    Shadow(p, front.left(), front.right() + 5);
    Cabinet(p, front, 5);
    DrawFan(p, QPointF(20, 36), 12, 12);
    DrawFan(p, QPointF(46, 36), 12, 12);
    Louvres(p, QRectF(61, 23, 6, 26), 2.6);
    Badge(p, QRectF(6, 50.5, 10, 1.6), accent);
    Feet(p, front);
}

void TallUnit(QPainter &p, const QColor &accent)
{
    const QRectF front(22, 6, 34, 48);
    Shadow(p, front.left(), front.right() + 5);
    Cabinet(p, front, 5);
    DrawFan(p, QPointF(39, 19), 11, 11);
    DrawFan(p, QPointF(39, 41), 11, 11);
    Badge(p, QRectF(24.5, 8.5, 7, 1.6), accent);
    Feet(p, front);
}

void ModuleAt(QPainter &p, const QRectF &front, int fans, const QColor &accent)
{
    Cabinet(p, front, 5);
    const qreal step = front.width() / fans;
    for (int i = 0; i < fans; ++i)
        DrawFan(p, QPointF(front.left() + step * (i + 0.5) + 2.5, front.top() - 2.5), step * 0.36, 1.9);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRect(QRectF(front.left(), front.top() + 2, front.width(), 3));
    Louvres(p, QRectF(front.left() + 3, front.top() + 9, front.width() - 6, front.height() - 14), 2.4);
    Feet(p, front);
}

void Module(QPainter &p, const QColor &accent)
{
    const QRectF front(24, 10, 30, 44);
    Shadow(p, front.left(), front.right() + 5);
    ModuleAt(p, front, 1, accent);
}

void WideModule(QPainter &p, const QColor &accent)
{
    const QRectF front(10, 10, 56, 44);
    Shadow(p, front.left(), front.right() + 5);
    ModuleAt(p, front, 2, accent);
}

void TwoModules(QPainter &p, const QColor &accent)
{
    Shadow(p, 6, 74);
    ModuleAt(p, QRectF(6, 10, 30, 44), 1, accent);
    ModuleAt(p, QRectF(39, 10, 30, 44), 1, accent);
}

void Ducted(QPainter &p, const QColor &accent)
{
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(2, 6), QPointF(78, 6));
    for (const qreal x : {16.0, 58.0})
        p.drawLine(QPointF(x, 6), QPointF(x, 22));
    const QRectF front(8, 26, 58, 16);
    Cabinet(p, front, 6);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(88, 96, 108));
    p.drawRect(QRectF(12, 31, 34, 7));
    Louvres(p, QRectF(13, 33, 32, 3), 1.5);
    Badge(p, QRectF(52, 32, 10, 1.6), accent);
    p.setPen(QPen(QColor(150, 190, 230), 1.2, Qt::DashLine));
    for (const qreal x : {18.0, 29.0, 40.0})
        p.drawLine(QPointF(x, 44), QPointF(x - 3, 54));
}

void FloorStandingAt(QPainter &p, const QRectF &front, const QColor &accent)
{
    Cabinet(p, front, 4);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(232, 236, 240));
    p.drawRoundedRect(
        QRectF(front.left() + 2.5, front.top() + 3, front.width() - 5, front.height() * 0.3), 1, 1);
    Louvres(p, QRectF(front.left() + 4, front.top() + 5, front.width() - 8, front.height() * 0.3 - 4), 2);
    Badge(p, QRectF(front.center().x() - 3, front.top() + front.height() * 0.42, 6, 3), accent);
    Louvres(p,
        QRectF(front.left() + 3, front.bottom() - front.height() * 0.25, front.width() - 6,
            front.height() * 0.25 - 3),
        1.8);
}

void FloorStanding(QPainter &p, const QColor &accent)
{
    const QRectF front(30, 4, 20, 50);
    Shadow(p, front.left(), front.right() + 4);
    FloorStandingAt(p, front, accent);
}

void FloorAndWall(QPainter &p, const QColor &accent)
{
    const QRectF column(8, 6, 18, 48);
    Shadow(p, column.left(), column.right() + 4);
    FloorStandingAt(p, column, accent);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kFront);
    QPainterPath wall;
    wall.moveTo(34, 14);
    wall.lineTo(76, 14);
    wall.lineTo(76, 24);
    wall.cubicTo(76, 28, 73, 30, 69, 30);
    wall.lineTo(41, 30);
    wall.cubicTo(37, 30, 34, 28, 34, 24);
    wall.closeSubpath();
    p.drawPath(wall);
    p.setPen(QPen(QColor(120, 128, 140), 1));
    p.drawLine(QPointF(40, 27), QPointF(70, 27));
    Badge(p, QRectF(66, 17, 6, 1.6), accent);
    p.setPen(QPen(QColor(150, 190, 230), 1.2, Qt::DashLine));
    for (const qreal x : {46.0, 55.0, 64.0})
        p.drawLine(QPointF(x, 33), QPointF(x + 2, 42));
}

} // namespace

void DrawProduct(QPainter &painter, Product product, const QRectF &box, const QColor &accent)
{
    const qreal scale = std::min(box.width() / kGridWidth, box.height() / kGridHeight);
    painter.save();
    painter.translate(box.center().x() - kGridWidth * scale / 2, box.center().y() - kGridHeight * scale / 2);
    painter.scale(scale, scale);
    switch (product) {
    case Product::HomeUnit:
        HomeUnit(painter, accent);
        break;
    case Product::TwinFanUnit:
        TwinFanUnit(painter, accent);
        break;
    case Product::TallUnit:
        TallUnit(painter, accent);
        break;
    case Product::Module:
        Module(painter, accent);
        break;
    case Product::WideModule:
        WideModule(painter, accent);
        break;
    case Product::TwoModules:
        TwoModules(painter, accent);
        break;
    case Product::Ducted:
        Ducted(painter, accent);
        break;
    case Product::FloorStanding:
        FloorStanding(painter, accent);
        break;
    case Product::FloorAndWall:
        FloorAndWall(painter, accent);
        break;
    }
    painter.restore();
}

} // namespace kalmoro::assetgen
