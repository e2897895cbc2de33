#pragma once

#include <QByteArrayView>
#include <QImage>

namespace kalmoro::assets {

// Decodes PNG bytes into a straight-alpha ARGB32 image; a null image when they cannot be decoded.
QImage DecodePng(QByteArrayView bytes);

} // namespace kalmoro::assets
