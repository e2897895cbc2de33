#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kalmoro {

// Where the job window of the given size opens on a screen whose available area is screen, beside
// the main window: right of it where it fits, else left of it, else over free, the part of the main
// window that holds no navigation; never off the screen.
QPoint JobWindowPlace(const QRect &screen, const QRect &main, const QRect &free, QSize size);

} // namespace kalmoro
