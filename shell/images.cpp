#include "images.h"

#include <array>
#include <future>
#include <optional>
#include <utility>
#include <vector>

#include <QFile>
#include <QPainter>

#include "catalogue.h"
#include "pngdecoder.h"

namespace kalmoro::assets {

namespace {

QImage decodeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? DecodePng(file.readAll()) : QImage();
}

QImage decodeOverWhite(const QString &path)
{
    const QImage decoded = decodeFile(path);
    if (decoded.isNull() || !decoded.hasAlphaChannel())
        return decoded;
    QImage composed(decoded.size(), QImage::Format_RGB32);
    composed.fill(Qt::white);
    QPainter painter(&composed);
    painter.drawImage(0, 0, decoded);
    return composed;
}

QString resourcePath(Asset asset, int scale)
{
    const std::string_view file = Info(Stored(asset)).name;
    const QString stored = QString::fromLatin1(file.data(), qsizetype(file.size()));
    return scale == 1 ? QStringLiteral(":/assets/png/%1.png").arg(stored)
                      : QStringLiteral(":/assets/png@2x/%1.png").arg(stored);
}

// What the program holds of one picture at one scale: the pixmap once loaded, or the picture
// being decoded ahead. Only the GUI thread touches these; the decoding thread only fulfils its
// promises.
struct Loaded {
    std::optional<QPixmap> pixmap;
    std::future<QImage> ahead;
};

Loaded &loadedAt(Asset asset, int scale)
{
    static std::vector<std::array<Loaded, 2>> loaded(Catalogue().size());
    return loaded[std::size_t(asset)][scale == 2 ? 1 : 0];
}

// The decoded picture when it was decoded ahead, waiting for it if need be; null otherwise, or
// when that decoding stopped.
QImage takeDecodedAhead(Loaded &loaded)
{
    return loaded.ahead.valid() ? loaded.ahead.get() : QImage();
}

} // namespace

QImage LoadImage(Asset asset)
{
    return decodeOverWhite(resourcePath(asset, 1));
}

int ScaleFor(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QPixmap LoadPixmap(Asset asset, int scale)
{
    // A picture that cannot be decoded is remembered as null.
    Loaded &loaded = loadedAt(asset, scale);
    std::optional<QPixmap> &cached = loaded.pixmap;
    if (cached)
        return *cached;
    if (const std::optional<Asset> stored = Info(asset).sameAs) {
        cached = LoadPixmap(*stored, scale);
        return *cached;
    }
    QImage image = takeDecodedAhead(loaded);
    if (image.isNull())
        image = decodeOverWhite(resourcePath(asset, scale));
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    if (scale == 2)
        pixmap.setDevicePixelRatio(2.0);
    if (pixmap.isNull() && scale == 2)
        pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(asset, 1)));
    cached = pixmap;
    return pixmap;
}

std::jthread DecodeAhead(std::span<const Asset> pictures, int scale)
{
    std::vector<std::pair<QString, std::promise<QImage>>> files;
    for (const Asset picture : pictures) {
        const Asset stored = Stored(picture);
        Loaded &loaded = loadedAt(stored, scale);
        if (loaded.pixmap || loaded.ahead.valid())
            continue;
        std::promise<QImage> decoded;
        loaded.ahead = decoded.get_future();
        files.emplace_back(resourcePath(stored, scale), std::move(decoded));
    }
    if (files.empty())
        return {};
    return std::jthread([files = std::move(files)](std::stop_token stop) mutable {
        for (auto &[path, decoded] : files)
            decoded.set_value(stop.stop_requested() ? QImage() : decodeOverWhite(path));
    });
}

ScreenPixmap::ScreenPixmap(Asset asset)
    : m_asset(asset)
{
}

const QPixmap &ScreenPixmap::at(qreal devicePixelRatio)
{
    const int scale = ScaleFor(devicePixelRatio);
    if (m_asset && scale != m_scale) {
        m_pixmap = LoadPixmap(*m_asset, scale);
        m_scale = scale;
    }
    return m_pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    const QImage image = decodeFile(resourcePath(Asset::img172, 1));
    if (!image.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace kalmoro::assets
