#include "images.h"

#include <array>
#include <optional>
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

QString resourcePath(std::string_view name, int scale)
{
    const QString stored = QString::fromLatin1(StoredName(name).data(), qsizetype(StoredName(name).size()));
    return scale == 1 ? QStringLiteral(":/assets/png/%1.png").arg(stored)
                      : QStringLiteral(":/assets/png@2x/%1.png").arg(stored);
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
    // One slot per catalogue row and scale; a picture that cannot be decoded is remembered as null.
    static std::vector<std::array<std::optional<QPixmap>, 2>> cache(Catalogue().size());
    std::optional<QPixmap> &cached = cache[std::size_t(&asset - Catalogue().data())][scale == 2 ? 1 : 0];
    if (cached)
        return *cached;
    if (!asset.sameAs.empty()) {
        const AssetInfo *stored = FindAsset(asset.sameAs);
        cached = stored ? LoadPixmap(*stored, scale) : QPixmap();
        return *cached;
    }
    QPixmap pixmap;
    if (scale == 2) {
        pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(asset.name, 2)));
        pixmap.setDevicePixelRatio(2.0);
    }
    if (pixmap.isNull())
        pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(asset.name, 1)));
    cached = pixmap;
    return pixmap;
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
