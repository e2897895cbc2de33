#include "images.h"

#include <utility>

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

// A picture keeps its decoded format in its pixmap rather than taking the screen's 32-bit one: an
// indexed picture takes a quarter of the memory, one without a palette three quarters. Drawing
// either costs a conversion per pixel, for the pictures of a whole page about a millisecond.
QPixmap toPixmap(QImage image)
{
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
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

PictureStore::PictureStore()
    : m_loaded(Catalogue().size())
{
}

PictureStore::Loaded &PictureStore::loadedAt(Asset asset, int scale)
{
    return m_loaded[std::size_t(asset)][scale == 2 ? 1 : 0];
}

QPixmap PictureStore::pixmap(Asset asset, int scale)
{
    // A picture that cannot be decoded is remembered as null.
    Loaded &loaded = loadedAt(asset, scale);
    std::optional<QPixmap> &cached = loaded.pixmap;
    if (cached)
        return *cached;
    if (const std::optional<Asset> stored = Info(asset).sameAs) {
        cached = pixmap(*stored, scale);
        return *cached;
    }
    // Decoded ahead: waits for it if the other thread has begun it, and decodes it here otherwise.
    QImage image;
    if (loaded.ahead.valid() && loaded.claimed->exchange(true))
        image = loaded.ahead.get();
    if (image.isNull())
        image = decodeOverWhite(resourcePath(asset, scale));
    QPixmap decoded = toPixmap(std::move(image));
    if (scale == 2)
        decoded.setDevicePixelRatio(2.0);
    if (decoded.isNull() && scale == 2)
        decoded = toPixmap(decodeOverWhite(resourcePath(asset, 1)));
    cached = decoded;
    return decoded;
}

void PictureStore::decodeAhead(std::span<const Asset> pictures, int scale)
{
    struct File {
        QString path;
        std::promise<QImage> decoded;
        std::shared_ptr<std::atomic<bool>> claimed;
    };
    std::vector<File> files;
    for (const Asset picture : pictures) {
        const Asset stored = Stored(picture);
        Loaded &loaded = loadedAt(stored, scale);
        if (loaded.pixmap || loaded.ahead.valid())
            continue;
        std::promise<QImage> decoded;
        loaded.ahead = decoded.get_future();
        loaded.claimed = std::make_shared<std::atomic<bool>>(false);
        files.push_back({resourcePath(stored, scale), std::move(decoded), loaded.claimed});
    }
    if (files.empty())
        return;
    // At the GUI thread's own priority: the first frame waits for these pictures, and on a busy
    // machine a lower one would leave the GUI thread waiting for a thread that gets no core.
    m_decodingAhead.emplace_back([files = std::move(files)](std::stop_token stop) mutable {
        for (File &file : files) {
            const bool mine = !stop.stop_requested() && !file.claimed->exchange(true);
            file.decoded.set_value(mine ? decodeOverWhite(file.path) : QImage());
        }
    });
}

ScreenPixmap::ScreenPixmap(PictureStore &store, Asset asset)
    : m_store(&store)
    , m_asset(asset)
{
}

const QPixmap &ScreenPixmap::at(qreal devicePixelRatio)
{
    const int scale = ScaleFor(devicePixelRatio);
    if (m_store && scale != m_scale) {
        m_pixmap = m_store->pixmap(m_asset, scale);
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
