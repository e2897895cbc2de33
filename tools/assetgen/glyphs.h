#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace kalmoro::assetgen {

// The small line icons shared by the navigation, the buttons and the headings.
enum class Glyph {
    Clipboard,
    Vrv,
    PipeFitting,
    Grille,
    WallUnit,
    House,
    MoneyBag,
    Smiley,
    ThumbsUp,
    Registered,
    CircleGrid,
    Cabinet,
    Menu,
    Minimize,
    Close,
    Wrench,
    Gauge,
};

// Draws glyph into box (square boxes look best) in one colour. Shapes that hold a
// second colour (the money bag's yen sign) take it from background.
void DrawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour,
    const QColor &background = Qt::white);

} // namespace kalmoro::assetgen
