#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace kalmoro::assetgen {

// The maker's mark: a hexagon outline with the three inner edges of a cube.
void DrawMakerMark(
    QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour, qreal stroke);

// The program's icon at size x size px: the mark in white on an orange rounded square,
// transparent outside it. Small sizes get proportionally bolder lines.
QImage RenderIcon(int size);

} // namespace kalmoro::assetgen
