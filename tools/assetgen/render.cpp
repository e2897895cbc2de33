#include "render.h"

#include <cmath>

#include <QColorSpace>
#include <QImageWriter>

#include "textbutton.h"

namespace kalmoro::assetgen {

namespace {

// Share of the pixel (x, y) that lies inside a corner arc of the given radius whose
// centre is at (radius, radius), measured on a 16 x 16 grid of sample points.
qreal CornerCoverage(int x, int y, qreal radius)
{
    constexpr int kSamples = 16;
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const qreal px = x + (sx + 0.5) / kSamples;
            const qreal py = y + (sy + 0.5) / kSamples;
            const qreal dx = px < radius ? radius - px : 0;
            const qreal dy = py < radius ? radius - py : 0;
            if (dx * dx + dy * dy <= radius * radius)
                ++inside;
        }
    }
    return qreal(inside) / (kSamples * kSamples);
}

// Cuts the four corners round through the alpha channel of a premultiplied image.
void ApplyRoundedCorners(QImage &image, qreal radius)
{
    const int extent = int(std::ceil(radius));
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < extent; ++y) {
        for (int x = 0; x < extent; ++x) {
            const qreal coverage = CornerCoverage(x, y, radius);
            if (coverage >= 1.0)
                continue;
            for (const QPoint at :
                {QPoint(x, y), QPoint(w - 1 - x, y), QPoint(x, h - 1 - y), QPoint(w - 1 - x, h - 1 - y)}) {
                const QRgb pixel = image.pixel(at);
                const auto scaled = [coverage](int channel) { return int(std::lround(channel * coverage)); };
                image.setPixel(at,
                    qRgba(scaled(qRed(pixel)), scaled(qGreen(pixel)), scaled(qBlue(pixel)),
                        scaled(qAlpha(pixel))));
            }
        }
    }
}

} // namespace

QImage Render(const assets::AssetInfo &info, const Artwork &art, int scale)
{
    QImage image(info.width * scale, info.height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(info.opacity == assets::Opacity::TransparentOutside ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    art.paint(painter);
    painter.end();

    switch (info.opacity) {
    case assets::Opacity::Opaque:
        return image.convertToFormat(QImage::Format_RGB32);
    case assets::Opacity::RoundedCorners:
        ApplyRoundedCorners(image, kButtonRadius * scale);
        break;
    case assets::Opacity::TransparentOutside:
        break;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool WritePng(const QImage &image, const QString &path)
{
    QImage plain = image;
    plain.setColorSpace(QColorSpace());
    QImageWriter writer(path, "png");
    // For PNG, Qt maps the lowest quality to the strongest (still lossless) compression.
    writer.setQuality(0);
    return writer.write(plain);
}

} // namespace kalmoro::assetgen
