#include "jobwindowplace.h"

#include <algorithm>

namespace kalmoro {

namespace {

// Room between the two windows, so that their frames do not touch.
constexpr int kGap = 8;

} // namespace

QPoint JobWindowPlace(const QRect &screen, const QRect &main, const QRect &free, QSize size)
{
    QPoint place = free.topLeft();
    if (main.right() + kGap + size.width() <= screen.right())
        place = {main.right() + 1 + kGap, main.top()};
    else if (main.left() - kGap - size.width() >= screen.left())
        place = {main.left() - kGap - size.width(), main.top()};
    // Held on the screen, its top-left corner first where it is larger than the screen.
    const int x = std::max(screen.left(), std::min(place.x(), screen.right() + 1 - size.width()));
    const int y = std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace kalmoro
