#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace kalmoro::assetgen {

// The condensate drain pipe table, 600 x 120 px with its top-left corner at origin.
void PaintDrainPipeTable(QPainter &painter, const QPointF &origin, const QColor &lines, const QColor &text,
    const QColor &headingFill);

} // namespace kalmoro::assetgen
