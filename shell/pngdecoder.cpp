#include "pngdecoder.h"

#include <png.h>

namespace kalmoro::assets {

QImage DecodePng(QByteArrayView bytes)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), static_cast<png_size_t>(bytes.size())))
        return {};
    // QImage's ARGB32 is a native-endian 32-bit word, which is B, G, R, A in memory on the
    // little-endian machines Kalmoro runs on.
    // A picture without alpha decodes straight into an opaque image: its alpha bytes are all 255,
    // and painting it needs no blending.
    const bool hasAlpha = png.format & PNG_FORMAT_FLAG_ALPHA;
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height),
                 hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    if (!png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()),
                               nullptr))
        return {};
    return image;
}

} // namespace kalmoro::assets
