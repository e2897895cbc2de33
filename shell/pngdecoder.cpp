#include "pngdecoder.h"

#include <cstring>
#include <vector>

#include <png.h>

namespace kalmoro::assets {

namespace {

// A palette has at most this many colours; indices past the file's palette read as opaque black.
constexpr int kPaletteSize = 256;

struct Source {
    const png_byte *data;
    png_size_t size;
    png_size_t offset;
};

void readFromSource(png_structp png, png_bytep out, png_size_t length)
{
    auto *source = static_cast<Source *>(png_get_io_ptr(png));
    if (length > source->size - source->offset)
        png_error(png, "truncated");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// The program logs nothing: a failure is a null image, and warnings are dropped.
[[noreturn]] void failSilently(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) { }

// libpng reports failures by jumping back into the function that set the jump point. The two
// functions that read hold nothing that needs destroying, so the jump skips no destructor.
bool readHeader(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const png_byte colourType = png_get_color_type(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        // Kept as indices, one byte each: a table look-up per pixel is far cheaper than libpng's
        // expansion.
        png_set_packing(png);
    } else if ((colourType & PNG_COLOR_MASK_ALPHA) == 0) {
        // Three bytes a pixel in red, green, blue order, a quarter less than a 32-bit word.
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
    } else {
        png_set_expand(png);
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
        // QImage's 32-bit formats are a native-endian word: B, G, R, A in memory on little-endian
        // machines, A, R, G, B on big-endian ones.
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            png_set_bgr(png);
            png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        } else {
            png_set_swap_alpha(png);
            png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
        }
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool readRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

QList<QRgb> colourTable(png_structp png, png_infop info)
{
    QList<QRgb> table(kPaletteSize, qRgb(0, 0, 0));
    png_colorp palette = nullptr;
    int colours = 0;
    png_get_PLTE(png, info, &palette, &colours);
    png_bytep alpha = nullptr;
    int transparent = 0;
    png_get_tRNS(png, info, &alpha, &transparent, nullptr);
    for (int i = 0; i < colours && i < kPaletteSize; ++i)
        table[i] = qRgba(palette[i].red, palette[i].green, palette[i].blue, i < transparent ? alpha[i] : 255);
    return table;
}

QImage decode(png_structp png, png_infop info, Source &source)
{
    png_set_read_fn(png, &source, readFromSource);
    if (!readHeader(png, info))
        return {};
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    const bool indexed = png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE;
    const bool hasAlpha = indexed ? png_get_valid(png, info, PNG_INFO_tRNS) != 0
                                  : (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0;
    QImage image(width, height,
        indexed        ? QImage::Format_Indexed8
            : hasAlpha ? QImage::Format_ARGB32
                       : QImage::Format_RGB888);
    if (image.isNull() || png_get_rowbytes(png, info) > static_cast<png_size_t>(image.bytesPerLine()))
        return {};
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[static_cast<std::size_t>(y)] = image.scanLine(y);
    if (!readRows(png, rows.data()))
        return {};
    if (!indexed)
        return image;
    image.setColorTable(colourTable(png, info));
    // An opaque palette picture stays indexed: a quarter of the memory, and drawn the same.
    return hasAlpha ? image.convertToFormat(QImage::Format_ARGB32) : image;
}

} // namespace

QImage DecodePng(QByteArrayView bytes)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failSilently, ignoreWarning);
    if (!png)
        return {};
    // The pictures are part of the program, so zlib's checksum of the inflated rows, a fifth of
    // the decoding time, guards nothing; libpng still checks every length and chunk.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_infop info = png_create_info_struct(png);
    Source source {
        reinterpret_cast<const png_byte *>(bytes.data()), static_cast<png_size_t>(bytes.size()), 0};
    QImage image = info ? decode(png, info, source) : QImage();
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

} // namespace kalmoro::assets
