#include "icofile.h"

#include <algorithm>
#include <limits>

#include <QBuffer>
#include <QImageWriter>

namespace kalmoro::assetgen {

namespace {

void PutU16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void PutU32(QByteArray &out, quint32 value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// Pixels at least half opaque are drawn; the others are left to the AND mask.
bool Drawn(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

struct Colour {
    int c[3];
};

// Median cut over the drawn pixels: the box with the widest spread is split at its
// median until there are as many boxes as palette entries.
QList<QRgb> ChoosePalette(const QImage &image, int size)
{
    QList<Colour> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = image.pixel(x, y); Drawn(p))
                pixels.append(Colour {{qRed(p), qGreen(p), qBlue(p)}});
    QList<QList<Colour>> boxes {pixels};
    const auto spread = [](const QList<Colour> &box, int channel) {
        int low = 255;
        int high = 0;
        for (const Colour &colour : box) {
            low = std::min(low, colour.c[channel]);
            high = std::max(high, colour.c[channel]);
        }
        return high - low;
    };
    while (boxes.size() < size) {
        qsizetype widest = -1;
        int widestChannel = 0;
        qint64 widestScore = 0;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2)
                continue;
            for (int channel = 0; channel < 3; ++channel) {
                const qint64 score = qint64(spread(boxes[i], channel)) * boxes[i].size();
                if (score > widestScore) {
                    widestScore = score;
                    widest = i;
                    widestChannel = channel;
                }
            }
        }
        if (widest < 0)
            break;
        QList<Colour> box = boxes.takeAt(widest);
        std::sort(box.begin(), box.end(), [widestChannel](const Colour &a, const Colour &b) {
            return a.c[widestChannel] < b.c[widestChannel];
        });
        const qsizetype half = box.size() / 2;
        boxes.append(box.mid(0, half));
        boxes.append(box.mid(half));
    }
    QList<QRgb> palette;
    for (const QList<Colour> &box : boxes) {
        if (box.isEmpty())
            continue;
        qint64 sum[3] = {0, 0, 0};
        for (const Colour &colour : box)
            for (int channel = 0; channel < 3; ++channel)
                sum[channel] += colour.c[channel];
        const auto mean = [&](int channel) { return int((sum[channel] + box.size() / 2) / box.size()); };
        palette.append(qRgb(mean(0), mean(1), mean(2)));
    }
    if (palette.isEmpty())
        palette.append(qRgb(0, 0, 0));
    return palette;
}

int Nearest(const QList<QRgb> &palette, QRgb pixel)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(pixel);
        const int dg = qGreen(palette[i]) - qGreen(pixel);
        const int db = qBlue(palette[i]) - qBlue(pixel);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

int Stride(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// A BITMAPINFOHEADER image: colour rows then the AND mask, both bottom-up.
QByteArray Bitmap(const QImage &image, int bitsPerPixel)
{
    const int w = image.width();
    const int h = image.height();
    const int colourStride = Stride(w, bitsPerPixel);
    const int maskStride = Stride(w, 1);
    const int paletteSize = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const QList<QRgb> palette = paletteSize ? ChoosePalette(image, paletteSize) : QList<QRgb>();

    QByteArray out;
    PutU32(out, 40);
    PutU32(out, quint32(w));
    PutU32(out, quint32(2 * h));
    PutU16(out, 1);
    PutU16(out, quint32(bitsPerPixel));
    PutU32(out, 0);
    PutU32(out, quint32((colourStride + maskStride) * h));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb entry = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(entry)));
        out.append(char(qGreen(entry)));
        out.append(char(qRed(entry)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (bitsPerPixel == 32) {
                row[4 * x] = char(qBlue(pixel));
                row[4 * x + 1] = char(qGreen(pixel));
                row[4 * x + 2] = char(qRed(pixel));
                row[4 * x + 3] = char(qAlpha(pixel));
                continue;
            }
            const int index = Drawn(pixel) ? Nearest(palette, pixel) : 0;
            if (bitsPerPixel == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (!Drawn(image.pixel(x, y)))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QByteArray Png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // For PNG, Qt maps the lowest quality to the strongest (still lossless) compression.
    writer.setQuality(0);
    writer.write(image);
    return bytes;
}

} // namespace

QByteArray BuildIco(const QList<IconEntry> &entries)
{
    QList<QByteArray> bodies;
    for (const IconEntry &entry : entries)
        bodies.append(entry.png ? Png(entry.image) : Bitmap(entry.image, entry.bitsPerPixel));

    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, quint32(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const IconEntry &entry = entries[i];
        // A width or height of 256 is written as 0.
        out.append(char(entry.image.width() & 0xFF));
        out.append(char(entry.image.height() & 0xFF));
        out.append(char(entry.bitsPerPixel == 4 ? 16 : 0));
        out.append(char(0));
        PutU16(out, 1);
        PutU16(out, quint32(entry.bitsPerPixel));
        PutU32(out, quint32(bodies[i].size()));
        PutU32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray &body : bodies)
        out.append(body);
    return out;
}

} // namespace kalmoro::assetgen
