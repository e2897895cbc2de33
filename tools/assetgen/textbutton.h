#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

namespace kalmoro::assetgen {

enum class FaceColour { Orange, Green };
enum class EndSquare { None, Plain, MoneyBag, Smiley, ThumbsUp };

// The calculators' text buttons; the copper and vent pages print the same shapes under
// their real buttons. face is 0 normal, 1 hover, 2 pressed.
void PaintTextButton(QPainter &painter, const QSizeF &size, FaceColour colour, EndSquare end,
    const QString &caption, int face);

// Corner radius of the text buttons. The bars without an end square get their rounding
// from the alpha channel: at this radius exactly 8 pixels of each corner are not fully opaque.
constexpr qreal kButtonRadius = 4.0;

} // namespace kalmoro::assetgen
