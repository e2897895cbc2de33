#pragma once

#include <QByteArrayView>
#include <QImage>

namespace kalmoro::assets {

// Decodes PNG bytes into a straight-alpha ARGB32 image, or an RGB32 one when the picture has no
// alpha channel; a null image when the bytes cannot be decoded.
QImage DecodePng(QByteArrayView bytes);

} // namespace kalmoro::assets
