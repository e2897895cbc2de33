#include <algorithm>
#include <vector>

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include "catalogue.h"
#include "images.h"
#include "mainlayout.h"
#include "pngdecoder.h"

using namespace kalmoro;
using assets::Asset;
using assets::AssetInfo;
using assets::Opacity;

namespace {

QString Name(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString ResourcePath(std::string_view name, int scale)
{
    return QStringLiteral(":/assets/%1/%2.png").arg(scale == 1 ? "png" : "png@2x", Name(name));
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stored picture of asset as the program decodes it, alpha kept.
QImage Raw(Asset asset, int scale)
{
    return assets::DecodePng(ReadAll(ResourcePath(assets::Info(assets::Stored(asset)).name, scale)));
}

Asset AssetOf(const AssetInfo &info)
{
    return Asset(&info - assets::Catalogue().data());
}

std::vector<const AssetInfo *> StoredAssets()
{
    std::vector<const AssetInfo *> stored;
    for (const AssetInfo &info : assets::Catalogue())
        if (!info.sameAs)
            stored.push_back(&info);
    return stored;
}

int NotOpaqueIn(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qAlpha(image.pixel(x, y)) < 255;
    return count;
}

// The chunk types of a PNG file in order; empty when the bytes are not a well-formed PNG.
QList<QByteArray> ChunkTypes(const QByteArray &png)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!png.startsWith(signature))
        return {};
    QList<QByteArray> types;
    qsizetype at = signature.size();
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        types.append(png.mid(at + 4, 4));
        at += 12 + qsizetype(length);
    }
    return at == png.size() ? types : QList<QByteArray>();
}

} // namespace

// The committed pictures, read back the way the program reads them.
class AssetsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A graphic button or picture box shows its images from its top-left corner at their natural
    // size; only the navigation buttons and the clear button are narrower.
    void layoutImagesHaveControlSizes()
    {
        const QHash<QString, int> narrower {{u"加氟计算按钮"_qs, 10}, {u"铜管价格按钮"_qs, 10},
            {u"水管选择按钮"_qs, 10}, {u"风口价格按钮"_qs, 10}, {u"空调选型按钮"_qs, 10},
            {u"关于软件按钮"_qs, 10}, {u"冷媒压力按钮"_qs, 10}, {u"超级按钮3"_qs, 1}};
        int checked = 0;
        for (const LayoutRow &row : MainLayout()) {
            const QString name = QString::fromStdU16String(std::u16string(row.name));
            for (const std::optional<Asset> image : row.images) {
                if (!image)
                    continue;
                const AssetInfo &info = assets::Info(*image);
                QVERIFY2(QSize(info.width - narrower.value(name), info.height)
                        == QSize(row.geometry.width, row.geometry.height),
                    qPrintable(name + u' ' + Name(info.name)));
                ++checked;
            }
        }
        // Every layout picture but the skin, which belongs to the window itself.
        QCOMPARE(checked, 161);
    }

    void everyAssetLoads_data()
    {
        QTest::addColumn<int>("row");
        for (const AssetInfo &info : assets::Catalogue())
            QTest::newRow(info.name.data()) << int(AssetOf(info));
    }

    void everyAssetLoads()
    {
        QFETCH(int, row);
        const Asset asset = Asset(row);
        const AssetInfo *info = &assets::Info(asset);
        QVERIFY(!info->words.empty());
        const QSize size(info->width, info->height);

        const QImage loaded = assets::LoadImage(asset);
        QVERIFY(!loaded.isNull());
        QCOMPARE(loaded.size(), size);
        QVERIFY(!loaded.hasAlphaChannel());

        QCOMPARE(Raw(asset, 1).size(), size);
        QCOMPARE(Raw(asset, 2).size(), size * 2);
        // A copy of another picture is not stored again.
        for (const int scale : {1, 2})
            QCOMPARE(QFile::exists(ResourcePath(info->name, scale)), !info->sameAs);
    }

    void pixmapsAreDecodedOncePerScale_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1x screen") << 1.0 << 1;
        QTest::newRow("1.25x screen") << 1.25 << 2;
        QTest::newRow("2x screen") << 2.0 << 2;
    }

    // Widgets of one screen share one pixmap per picture; a copy of a picture shares its pixmap too.
    void pixmapsAreDecodedOncePerScale()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        const auto copy = std::find_if(assets::Catalogue().begin(), assets::Catalogue().end(),
            [](const AssetInfo &info) { return info.sameAs.has_value(); });
        QVERIFY(copy != assets::Catalogue().end());
        assets::PictureStore pictures;
        const QPixmap first = assets::ScreenPixmap(pictures, *copy->sameAs).at(ratio);
        QCOMPARE(first.size(), QSize(copy->width, copy->height) * scale);
        QCOMPARE(first.devicePixelRatio(), qreal(scale));

        QCOMPARE(assets::ScreenPixmap(pictures, *copy->sameAs).at(ratio).cacheKey(), first.cacheKey());
        QCOMPARE(assets::ScreenPixmap(pictures, AssetOf(*copy)).at(ratio).cacheKey(), first.cacheKey());
        QVERIFY(assets::ScreenPixmap(pictures, AssetOf(*copy)).at(3 - scale).cacheKey() != first.cacheKey());
    }

    void opacity_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("scale");
        for (const AssetInfo *info : StoredAssets()) {
            for (const int scale : {1, 2})
                QTest::addRow("%s@%dx", info->name.data(), scale) << int(AssetOf(*info)) << scale;
        }
    }

    void opacity()
    {
        QFETCH(int, row);
        QFETCH(int, scale);
        const AssetInfo *info = &assets::Info(Asset(row));
        const QImage image = Raw(Asset(row), scale);
        QVERIFY(!image.isNull());
        // Qt's own reader is the reference for every colour type and depth the pictures use.
        QCOMPARE(image, QImage(ResourcePath(info->name, scale)).convertToFormat(image.format()));
        const QRect all = image.rect();
        switch (info->opacity) {
        case Opacity::Opaque:
            QCOMPARE(NotOpaqueIn(image, all), 0);
            break;
        case Opacity::RoundedCorners: {
            // Each corner is cut within a 4 px square (8 px at double size); the rest is opaque.
            const int side = 4 * scale;
            const QRect corners[] = {QRect(0, 0, side, side), QRect(all.width() - side, 0, side, side),
                QRect(0, all.height() - side, side, side),
                QRect(all.width() - side, all.height() - side, side, side)};
            const int perCorner = NotOpaqueIn(image, corners[0]);
            if (scale == 1)
                QCOMPARE(perCorner, 8);
            int inCorners = 0;
            for (const QRect &corner : corners) {
                QCOMPARE(NotOpaqueIn(image, corner), perCorner);
                inCorners += perCorner;
            }
            QCOMPARE(NotOpaqueIn(image, all), inCorners);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            break;
        }
        case Opacity::TransparentOutside: {
            const int last = all.width() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
            QCOMPARE(qAlpha(image.pixel(all.center())), 255);
            QCOMPARE(qAlpha(image.pixel(all.width() / 2, 4 * scale)), 0);
            break;
        }
        }
    }

    void brokenPngDecodesToNothing_data()
    {
        const QByteArray png = ReadAll(ResourcePath(assets::Info(Asset::img012).name, 1));
        const qsizetype pixels = png.indexOf("IDAT") + 4;
        QByteArray flipped = png;
        flipped[pixels + 20] = char(flipped[pixels + 20] ^ 0x5a);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("signature only") << png.left(8);
        QTest::newRow("header cut short") << png.left(20);
        QTest::newRow("pixels cut short") << png.left(pixels + 100);
        QTest::newRow("end cut short") << png.chopped(1);
        QTest::newRow("pixels corrupted") << flipped;
        QTest::newRow("not a picture") << QByteArray("GIF89a, not a PNG at all");
    }

    void brokenPngDecodesToNothing()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(assets::DecodePng(bytes).isNull());
    }

    void decodedAheadMatchesDecodedWhenLoaded_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("storeEndedAtOnce");
        QTest::newRow("1x") << 1 << false;
        QTest::newRow("2x") << 2 << false;
        QTest::newRow("1x, a store ended while decoding") << 1 << true;
    }

    // Pictures decoded ahead are the pictures; a store that ends while it decodes stops at once and
    // leaves another store free to load them. A copy of a picture and a picture given twice are
    // decoded once.
    void decodedAheadMatchesDecodedWhenLoaded()
    {
        QFETCH(int, scale);
        QFETCH(bool, storeEndedAtOnce);
        const std::vector<Asset> pictures = storeEndedAtOnce
            ? std::vector<Asset> {Asset::img133, Asset::img142, Asset::img171}
            : std::vector<Asset> {Asset::img079, Asset::img012, Asset::img079, Asset::img050, Asset::img054};
        if (storeEndedAtOnce)
            assets::PictureStore().decodeAhead(pictures, scale);
        assets::PictureStore store;
        store.decodeAhead(pictures, scale);
        for (const Asset picture : pictures) {
            const QPixmap pixmap = store.pixmap(picture, scale);
            QCOMPARE(pixmap.devicePixelRatio(), qreal(scale));
            QImage stored = Raw(picture, scale).convertToFormat(QImage::Format_RGB32);
            stored.setDevicePixelRatio(scale);
            QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_RGB32), stored);
        }
    }

    // An opaque picture's pixmap keeps the format it was decoded in, which draws the same in less
    // memory than the screen's 32-bit one: a byte a pixel for a palette, three without one.
    void storedInDecodedFormat_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("palette") << int(Asset::img012) << 1 << 8;
        QTest::newRow("palette, double size") << int(Asset::img012) << 2 << 8;
        QTest::newRow("true colour") << int(Asset::img079) << 1 << 24;
        QTest::newRow("true colour, double size") << int(Asset::img079) << 2 << 24;
    }

    void storedInDecodedFormat()
    {
        QFETCH(int, row);
        QFETCH(int, scale);
        QFETCH(int, bitsPerPixel);
        assets::PictureStore store;
        QCOMPARE(store.pixmap(Asset(row), scale).toImage().depth(), bitsPerPixel);
    }

    // A picture drawn twice is stored once: no two stored pictures are the same, and a copy carries
    // its original's words.
    void identicalPicturesAreStoredOnce()
    {
        QHash<QByteArray, QString> stored; // digest of the pixels: name
        for (const AssetInfo &info : assets::Catalogue()) {
            if (info.sameAs) {
                QCOMPARE(Name(assets::Info(*info.sameAs).words), Name(info.words));
                continue;
            }
            const QImage image = Raw(AssetOf(info), 1).convertToFormat(QImage::Format_ARGB32);
            QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            pixels += QByteArray::number(image.width());
            const QByteArray digest = QCryptographicHash::hash(pixels, QCryptographicHash::Sha256);
            QVERIFY2(!stored.contains(digest), qPrintable(stored.value(digest) + u' ' + Name(info.name)));
            stored.insert(digest, Name(info.name));
        }
    }

    void noColourSpaceChunks()
    {
        for (const AssetInfo *info : StoredAssets()) {
            for (const int scale : {1, 2}) {
                const QList<QByteArray> types = ChunkTypes(ReadAll(ResourcePath(info->name, scale)));
                const QString where = ResourcePath(info->name, scale);
                QVERIFY2(
                    !types.isEmpty() && types.first() == "IHDR" && types.last() == "IEND", qPrintable(where));
                for (const char *chunk : {"gAMA", "iCCP", "sRGB", "cHRM"})
                    QVERIFY2(!types.contains(chunk), qPrintable(where + u' ' + chunk));
            }
        }
    }

    void iconFile()
    {
        const QByteArray ico = ReadAll(QStringLiteral(KALMORO_ASSETS_DIR "/icon/kalmoro.ico"));
        QVERIFY(ico.size() > 6);
        const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(ico.constData() + at); };
        const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(ico.constData() + at); };
        QCOMPARE(u16(0), quint16(0));
        QCOMPARE(u16(2), quint16(1));
        const struct {
            int size, bits;
        } expected[] = {{256, 32}, {64, 32}, {48, 32}, {40, 32}, {32, 32}, {24, 32}, {20, 32}, {16, 32},
            {48, 8}, {32, 8}, {16, 8}, {32, 4}, {16, 4}};
        QCOMPARE(u16(4), quint16(std::size(expected)));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            const qsizetype entry = 6 + 16 * qsizetype(i);
            const int size = expected[i].size;
            QCOMPARE(quint8(ico[entry]), quint8(size & 0xFF));
            QCOMPARE(quint8(ico[entry + 1]), quint8(size & 0xFF));
            QCOMPARE(quint8(ico[entry + 2]), quint8(expected[i].bits == 4 ? 16 : 0));
            QCOMPARE(u16(entry + 6), quint16(expected[i].bits));
            const qsizetype length = u32(entry + 8);
            const qsizetype offset = u32(entry + 12);
            QVERIFY(offset + length <= ico.size());
            const QByteArray body = ico.mid(offset, length);
            if (size == 256) {
                QCOMPARE(assets::DecodePng(body), Raw(Asset::img172, 1));
                continue;
            }
            // A bitmap twice as high as wide (colours, then the mask): header, palette, colour rows and
            // mask rows, each row padded to 4 bytes.
            const int bits = expected[i].bits;
            QCOMPARE(qFromLittleEndian<qint32>(body.constData() + 8), 2 * size);
            QCOMPARE(qFromLittleEndian<quint16>(body.constData() + 14), quint16(bits));
            const qsizetype palette = bits <= 8 ? 4 * (qsizetype(1) << bits) : 0;
            QCOMPARE(body.size(),
                40 + palette + (qsizetype((size * bits + 31) / 32) + (size + 31) / 32) * 4 * size);
        }
    }
};

QTEST_MAIN(AssetsTest)
#include "test_assets.moc"
