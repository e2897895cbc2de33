#include "images.h"

#include "catalogue.h"
#include "pngdecoder.h"

#include <QFile>
#include <QHash>
#include <QPainter>

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

QPixmap LoadPixmap(std::string_view name, qreal devicePixelRatio)
{
    static QHash<QByteArray, QPixmap> cache;
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    const QByteArray key = QByteArray(name.data(), qsizetype(name.size())) + char('0' + scale);
    const auto found = cache.constFind(key);
    if (found != cache.cend())
        return *found;
    QPixmap pixmap;
    if (FindAsset(name)) {
        if (scale == 2) {
            pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(name, 2)));
            pixmap.setDevicePixelRatio(2.0);
        }
        if (pixmap.isNull())
            pixmap = QPixmap::fromImage(decodeOverWhite(resourcePath(name, 1)));
    }
    cache.insert(key, pixmap);
    return pixmap;
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
