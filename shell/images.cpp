#include "images.h"

#include <array>
#include <future>
#include <optional>
#include <utility>
#include <vector>

#include <QFile>
#include <QPainter>

#include "catalogue.h"
#include "platform.h"
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

QString resourcePath(std::string_view name, int scale)
{
    const QString stored = QString::fromLatin1(StoredName(name).data(), qsizetype(StoredName(name).size()));
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

Loaded &loadedAt(const AssetInfo &asset, int scale)
{
    static std::vector<std::array<Loaded, 2>> loaded(Catalogue().size());
    return loaded[std::size_t(&asset - Catalogue().data())][scale == 2 ? 1 : 0];
}

// The decoded picture when it was decoded ahead, waiting for it if need be; null otherwise, or
// when that decoding stopped.
QImage takeDecodedAhead(Loaded &loaded)
{
    return loaded.ahead.valid() ? loaded.ahead.get() : QImage();
}

} // namespace

QImage LoadImage(std::string_view name)
{
    return FindAsset(name) ? decodeOverWhite(resourcePath(name, 1)) : QImage();
}

int ScaleFor(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QPixmap LoadPixmap(const AssetInfo &asset, int scale)
{
    // A picture that cannot be decoded is remembered as null.
    Loaded &loaded = loadedAt(asset, scale);
    std::optional<QPixmap> &cached = loaded.pixmap;
    if (cached)
        return *cached;
    if (!asset.sameAs.empty()) {
        const AssetInfo *stored = FindAsset(asset.sameAs);
        cached = stored ? LoadPixmap(*stored, scale) : QPixmap();
        return *cached;
    }
    QImage image = takeDecodedAhead(loaded);
    if (image.isNull())
        image = decodeOverWhite(resourcePath(asset.name, scale));
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    if (scale == 2)
        pixmap.setDevicePixelRatio(2.0);
    if (pixmap.isNull() && scale == 2)
        pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(asset.name, 1)));
    cached = pixmap;
    return pixmap;
}

std::jthread DecodeAhead(std::span<const std::string_view> names, int scale)
{
    std::vector<std::pair<QString, std::promise<QImage>>> pictures;
    for (std::string_view name : names) {
        const AssetInfo *asset = FindAsset(name);
        if (asset && !asset->sameAs.empty())
            asset = FindAsset(asset->sameAs);
        if (!asset)
            continue;
        Loaded &loaded = loadedAt(*asset, scale);
        if (loaded.pixmap || loaded.ahead.valid())
            continue;
        std::promise<QImage> decoded;
        loaded.ahead = decoded.get_future();
        pictures.emplace_back(resourcePath(asset->name, scale), std::move(decoded));
    }
    if (pictures.empty())
        return {};
    return std::jthread([pictures = std::move(pictures)](std::stop_token stop) mutable {
        platform::LowerThreadPriority();
        for (auto &[path, decoded] : pictures)
            decoded.set_value(stop.stop_requested() ? QImage() : decodeOverWhite(path));
    });
}

ScreenPixmap::ScreenPixmap(std::string_view name)
    : m_asset(FindAsset(name))
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
    const QImage image = decodeFile(resourcePath("img172", 1));
    if (!image.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace kalmoro::assets
