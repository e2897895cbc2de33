#pragma once

#include <QByteArrayView>
#include <QImage>

namespace kalmoro::assets {

// Decodes PNG bytes into a straight-alpha ARGB32 image, or when the picture has no alpha channel the
// most compact image that draws the same: Indexed8 for a palette, RGB888 otherwise. A null image
// when the bytes cannot be decoded.
QImage DecodePng(QByteArrayView bytes);

} // namespace kalmoro::assets
