#include <map>
#include <set>
#include <vector>

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include "assets/catalogue.h"
#include "assets/images.h"
#include "assets/pngdecoder.h"
#include "shell/layout.h"

using namespace kalmoro;
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

// The stored picture of name as the program decodes it, alpha kept.
QImage Raw(std::string_view name, int scale)
{
    return assets::DecodePng(ReadAll(ResourcePath(assets::StoredName(name), scale)));
}

std::vector<const AssetInfo *> StoredAssets()
{
    std::vector<const AssetInfo *> stored;
    for (const AssetInfo &info : assets::Catalogue())
        if (info.sameAs.empty())
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

bool IsWhite(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

bool AllWhite(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!IsWhite(image.pixel(x, y)))
                return false;
    return true;
}

// Orange-ish ink: much more red than blue, as the orange lettering and icons are.
bool IsOrange(QRgb pixel)
{
    return qRed(pixel) - qBlue(pixel) > 80 && qRed(pixel) > qGreen(pixel);
}

int CountIf(const QImage &image, const QRect &area, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y));
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

// Where a control of the layout lies, and on what: its parent and its rectangle there.
struct Placement {
    std::u16string_view parent;
    int page;
    QRect rect;
};

std::map<std::u16string_view, Placement> Placements()
{
    std::map<std::u16string_view, Placement> placements;
    for (const LayoutRow &row : MainLayout())
        placements[row.name] = {row.parent.name, row.parent.page,
            QRect(row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height)};
    return placements;
}

// The rectangles, in the picture's own pixels, of the controls of kind that stand over a
// page's background picture: the page's controls shifted by the picture's position, and
// the picture's own children as they are.
std::vector<std::pair<QString, QRect>> ControlsOver(std::u16string_view picture, Kind kind)
{
    const auto placements = Placements();
    const Placement &background = placements.at(picture);
    std::vector<std::pair<QString, QRect>> found;
    for (const LayoutRow &row : MainLayout()) {
        if (row.kind != kind)
            continue;
        const QRect rect(row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height);
        const bool onPage = row.parent.name == background.parent && row.parent.page == background.page
            && row.name != picture;
        if (onPage && rect.intersects(background.rect))
            found.emplace_back(QString::fromStdU16String(std::u16string(row.name)),
                rect.translated(-background.rect.topLeft()));
        else if (row.parent.name == picture)
            found.emplace_back(QString::fromStdU16String(std::u16string(row.name)), rect);
    }
    return found;
}

} // namespace

// The committed pictures, read back the way the program reads them.
class AssetsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutImagesHaveControlSizes();
    void everyAssetLoads_data();
    void everyAssetLoads();
    void opacity_data();
    void opacity();
    void identicalPictures_data();
    void identicalPictures();
    void copiesAreNotStored();
    void storedPicturesDiffer();
    void noColourSpaceChunks();
    void navigationImages_data();
    void navigationImages();
    void productButtonFaces_data();
    void productButtonFaces();
    void textButtonFaces_data();
    void textButtonFaces();
    void priceFaces_data();
    void priceFaces();
    void skinFrame_data();
    void skinFrame();
    void captionsBesideEditBoxes_data();
    void captionsBesideEditBoxes();
    void labelsStandOnBlankGround_data();
    void labelsStandOnBlankGround();
    void iconFile();
    void desktopIcons();
};

// A graphic button or picture box shows its images from its top-left corner at their
// natural size; only the navigation buttons and the clear button are narrower.
void AssetsTest::layoutImagesHaveControlSizes()
{
    const std::set<std::u16string_view> narrower {u"加氟计算按钮", u"铜管价格按钮", u"水管选择按钮",
        u"风口价格按钮", u"空调选型按钮", u"关于软件按钮", u"超级按钮3"};
    int checked = 0;
    for (const LayoutRow &row : MainLayout()) {
        for (const std::string_view image : row.images) {
            if (image.empty())
                continue;
            const AssetInfo *info = assets::FindAsset(image);
            QVERIFY2(info, qPrintable(Name(image)));
            const QSize control(row.geometry.width, row.geometry.height);
            const QSize picture(info->width, info->height);
            const QString where = QString::fromStdU16String(std::u16string(row.name)) + u' ' + Name(image);
            if (narrower.contains(row.name)) {
                QVERIFY2(picture.width() == control.width() + (row.name == u"超级按钮3" ? 1 : 10),
                    qPrintable(where));
                QCOMPARE(picture.height(), control.height());
            } else {
                QVERIFY2(picture == control, qPrintable(where));
            }
            ++checked;
        }
    }
    // Every layout picture but the skin, which belongs to the window itself.
    QCOMPARE(checked, 159);
}

void AssetsTest::everyAssetLoads_data()
{
    QTest::addColumn<QString>("name");
    for (const AssetInfo &info : assets::Catalogue())
        QTest::newRow(info.name.data()) << Name(info.name);
}

void AssetsTest::everyAssetLoads()
{
    QFETCH(QString, name);
    const std::string key = name.toStdString();
    const AssetInfo *info = assets::FindAsset(key);
    QVERIFY(info);
    QVERIFY(!info->words.empty());
    const QSize size(info->width, info->height);

    const QImage loaded = assets::LoadImage(key);
    QVERIFY(!loaded.isNull());
    QCOMPARE(loaded.size(), size);
    QVERIFY(!loaded.hasAlphaChannel());

    QCOMPARE(Raw(key, 1).size(), size);
    QCOMPARE(Raw(key, 2).size(), size * 2);
}

void AssetsTest::opacity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    for (const AssetInfo *info : StoredAssets()) {
        for (const int scale : {1, 2})
            QTest::addRow("%s@%dx", info->name.data(), scale) << Name(info->name) << scale;
    }
}

void AssetsTest::opacity()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const AssetInfo *info = assets::FindAsset(name.toStdString());
    const QImage image = Raw(info->name, scale);
    QVERIFY(!image.isNull());
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

void AssetsTest::identicalPictures_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("price buttons, normal") << QStringList {"img049", "img053", "img057", "img061", "img086"};
    QTest::newRow("price buttons, hover") << QStringList {"img050", "img054", "img058", "img062", "img087"};
    QTest::newRow("price buttons, pressed") << QStringList {"img051", "img055", "img059", "img063", "img088"};
    QTest::newRow("price buttons, disabled")
        << QStringList {"img052", "img056", "img060", "img064", "img089"};
    QTest::newRow("chigo1 pressed is normal") << QStringList {"img108", "img110"};
    QTest::newRow("aux1 pressed is normal") << QStringList {"img111", "img113"};
    QTest::newRow("meidi1 pressed is normal") << QStringList {"img114", "img116"};
    QTest::newRow("gree1 pressed is normal") << QStringList {"img117", "img119"};
    QTest::newRow("daikin1 pressed is normal") << QStringList {"img120", "img122"};
}

void AssetsTest::identicalPictures()
{
    QFETCH(QStringList, names);
    const std::string first = names.first().toStdString();
    for (const QString &name : names) {
        const std::string key = name.toStdString();
        QCOMPARE(Name(assets::StoredName(key)), names.first());
        QCOMPARE(assets::LoadImage(key), assets::LoadImage(first));
    }
}

void AssetsTest::copiesAreNotStored()
{
    int copies = 0;
    for (const AssetInfo &info : assets::Catalogue()) {
        const bool stored = info.sameAs.empty();
        copies += !stored;
        for (const int scale : {1, 2})
            QVERIFY2(QFile::exists(ResourcePath(info.name, scale)) == stored, qPrintable(Name(info.name)));
    }
    QCOMPARE(copies, 21);
    QCOMPARE(Name(assets::StoredName("img999")), QStringLiteral("img999"));
    QVERIFY(!assets::FindAsset("img999"));
    QVERIFY(assets::LoadImage("img999").isNull());
}

// Pictures that the catalogue keeps apart must not have come out the same by accident.
void AssetsTest::storedPicturesDiffer()
{
    for (const int scale : {1, 2}) {
        std::map<QByteArray, QString> seen;
        for (const AssetInfo *info : StoredAssets()) {
            const QImage image = Raw(info->name, scale);
            const QByteArray pixels = QCryptographicHash::hash(
                QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha256);
            const auto [at, fresh] = seen.emplace(pixels, Name(info->name));
            QVERIFY2(fresh, qPrintable(Name(info->name) + QStringLiteral(" = ") + at->second));
        }
    }
}

void AssetsTest::noColourSpaceChunks()
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

void AssetsTest::navigationImages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("orange");
    const struct {
        const char *entry, *selected, *unselected, *normal, *hover;
    } entries[] = {
        {"加氟计算", "img008", "img001", "img157", "img158"},
        {"铜管计算", "img000", "img007", "img155", "img156"},
        {"水管选择", "img009", "img002", "img153", "img154"},
        {"风口价格", "img010", "img003", "img140", "img141"},
        {"空调选型", "img011", "img004", "img123", "img124"},
        {"关于软件", "img006", "img005", "img125", "img126"},
    };
    for (const auto &e : entries) {
        QTest::addRow("%s selected", e.entry) << e.selected << true << true;
        QTest::addRow("%s unselected", e.entry) << e.unselected << false << false;
        QTest::addRow("%s normal", e.entry) << e.normal << false << true;
        QTest::addRow("%s hover", e.entry) << e.hover << false << false;
    }
}

// The bar fills columns 0 to 4 of a selected image; label and icon stay inside the 210 px
// that the button shows; grey and green faces carry no orange.
void AssetsTest::navigationImages()
{
    QFETCH(QString, name);
    QFETCH(bool, selected);
    QFETCH(bool, orange);
    const QImage image = assets::LoadImage(name.toStdString());
    QCOMPARE(image.size(), QSize(220, 55));
    for (int y = 0; y < 55; ++y) {
        for (int x = 0; x < 5; ++x)
            QCOMPARE(image.pixel(x, y) & 0xFFFFFF, selected ? 0xFF9B00u : 0xFFFFFFu);
    }
    QVERIFY(AllWhite(image, QRect(5, 0, 20, 55)));
    QVERIFY(AllWhite(image, QRect(200, 0, 20, 55)));
    QVERIFY(!AllWhite(image, QRect(25, 0, 175, 55)));
    const int orangePixels = CountIf(image, QRect(5, 0, 215, 55), IsOrange);
    QCOMPARE(orangePixels > 100, orange);
}

// The graphic buttons of the layout whose images have the given size, with their faces.
static void AddButtonRows(const QSize &size, int faces)
{
    for (const LayoutRow &row : MainLayout()) {
        if (row.kind != Kind::GraphicButton || row.images[faces - 1].empty())
            continue;
        const AssetInfo *normal = assets::FindAsset(row.images[0]);
        if (QSize(normal->width, normal->height) != size)
            continue;
        QStringList names;
        for (int face = 0; face < faces; ++face)
            names << Name(row.images[std::size_t(face)]);
        QTest::newRow(qPrintable(QString::fromStdU16String(std::u16string(row.name)))) << names;
    }
}

void AssetsTest::productButtonFaces_data()
{
    QTest::addColumn<QStringList>("faces");
    AddButtonRows(QSize(86, 86), 3);
}

// The three faces show the same product; only the caption line changes colour:
// orange, grey, green.
void AssetsTest::productButtonFaces()
{
    QFETCH(QStringList, faces);
    QCOMPARE(faces.size(), 3);
    const QRect photo(0, 0, 86, 64);
    const QRect caption(0, 66, 86, 20);
    const QImage normal = assets::LoadImage(faces[0].toStdString());
    const QImage hover = assets::LoadImage(faces[1].toStdString());
    const QImage pressed = assets::LoadImage(faces[2].toStdString());
    QCOMPARE(hover.copy(photo), normal.copy(photo));
    QCOMPARE(pressed.copy(photo), normal.copy(photo));
    QVERIFY(!AllWhite(normal, photo));
    const auto grey = [](QRgb p) { return !IsWhite(p) && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p); };
    const auto green = [](QRgb p) { return qGreen(p) - qRed(p) > 60 && qGreen(p) - qBlue(p) > 60; };
    QVERIFY(CountIf(normal, caption, IsOrange) > 40);
    QVERIFY(CountIf(hover, caption, grey) > 40);
    QCOMPARE(CountIf(hover, caption, IsOrange), 0);
    QVERIFY(CountIf(pressed, caption, green) > 40);
    QCOMPARE(CountIf(pressed, caption, IsOrange), 0);
}

void AssetsTest::textButtonFaces_data()
{
    QTest::addColumn<QStringList>("faces");
    for (const QSize size : {QSize(119, 36), QSize(120, 36), QSize(161, 37), QSize(179, 36)})
        AddButtonRows(size, 3);
}

// A bar in the face colour with the caption white, then black, then green or yellow-green.
void AssetsTest::textButtonFaces()
{
    QFETCH(QStringList, faces);
    QCOMPARE(faces.size(), 3);
    const QImage normal = assets::LoadImage(faces[0].toStdString());
    const QImage hover = assets::LoadImage(faces[1].toStdString());
    const QImage pressed = assets::LoadImage(faces[2].toStdString());
    const QRect caption(8, 6, normal.width() - normal.height() - 16, normal.height() - 12);
    const auto white = [](QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; };
    const auto black = [](QRgb p) { return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40; };
    const auto greenish = [](QRgb p) { return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40; };
    const bool orangeFace = IsOrange(normal.pixel(6, normal.height() / 2));
    QVERIFY(CountIf(normal, caption, white) > 40);
    QVERIFY(CountIf(hover, caption, black) > 40);
    QCOMPARE(CountIf(normal, caption, black), 0);
    if (orangeFace)
        QVERIFY(CountIf(pressed, caption, greenish) > 40);
    else
        QVERIFY(CountIf(pressed, caption, [](QRgb p) {
            return qRed(p) > 150 && qGreen(p) > 220 && qBlue(p) < 120;
        }) > 40);
}

void AssetsTest::priceFaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colour");
    QTest::newRow("normal") << "img049"
                            << "gold";
    QTest::newRow("hover") << "img050"
                           << "red";
    QTest::newRow("pressed") << "img051"
                             << "purple";
    QTest::newRow("disabled") << "img052"
                              << "grey";
}

// The yen sign's colour, taken as the mean of the clearly coloured pixels.
void AssetsTest::priceFaces()
{
    QFETCH(QString, name);
    QFETCH(QString, colour);
    const QImage face = assets::LoadImage(name.toStdString());
    qint64 sum[3] = {0, 0, 0};
    int count = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb p = face.pixel(x, y);
            if (qRed(p) + qGreen(p) + qBlue(p) > 600)
                continue;
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
            ++count;
        }
    }
    QVERIFY(count > 100);
    const int r = int(sum[0] / count), g = int(sum[1] / count), b = int(sum[2] / count);
    const QString seen = qAbs(r - g) < 12 && qAbs(g - b) < 12 ? "grey"
        : b > g + 30 && r > g + 30                            ? "purple"
        : r > g + 20 && g > b + 50                            ? "gold"
        : r > g + 80 && r > b + 80                            ? "red"
                                   : QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b);
    QCOMPARE(seen, colour);
}

void AssetsTest::skinFrame_data()
{
    QTest::addColumn<QPoint>("on");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");
    QTest::newRow("left line") << QPoint(217, 380) << QPoint(218, 380) << QPoint(216, 380);
    QTest::newRow("top line") << QPoint(600, 97) << QPoint(600, 98) << QPoint(600, 96);
    QTest::newRow("right line") << QPoint(1036, 380) << QPoint(1035, 380) << QPoint(1037, 380);
    QTest::newRow("bottom line") << QPoint(600, 656) << QPoint(600, 655) << QPoint(600, 657);
}

void AssetsTest::skinFrame()
{
    QFETCH(QPoint, on);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    const QImage skin = assets::LoadImage("img012");
    QCOMPARE(skin.pixel(on) & 0xFFFFFF, 0xFF9C03u);
    QVERIFY(IsWhite(skin.pixel(inside)));
    QVERIFY(IsWhite(skin.pixel(outside)));
    // Rounded corners: the frame's corner pixel itself stays white.
    QVERIFY(IsWhite(skin.pixel(217, 97)));
    QVERIFY(IsWhite(skin.pixel(1036, 656)));
}

void AssetsTest::captionsBesideEditBoxes_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("box");
    for (const char16_t *picture : {u"图片框5", u"图片框2"}) {
        for (const auto &[name, rect] : ControlsOver(picture, Kind::EditBox))
            QTest::newRow(qPrintable(name)) << QString::fromStdU16String(picture) << rect;
    }
}

// Every edit box over a page picture stands on blank ground, with printed words right
// before and right after it: the row caption and the unit.
void AssetsTest::captionsBesideEditBoxes()
{
    QFETCH(QString, picture);
    QFETCH(QRect, box);
    const std::string image = picture == u"图片框5" ? "img133" : "img171";
    const QImage page = assets::LoadImage(image);
    QVERIFY(page.rect().contains(box));
    QVERIFY(AllWhite(page, box));
    const QRect before(box.left() - 30, box.top() + 2, 28, box.height() - 4);
    const QRect after(box.right() + 3, box.top() + 2, 28, box.height() - 4);
    QVERIFY(CountIf(page, before, [](QRgb p) { return !IsWhite(p); }) > 20);
    QVERIFY(CountIf(page, after, [](QRgb p) { return !IsWhite(p); }) > 20);
}

void AssetsTest::labelsStandOnBlankGround_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QRect>("area");
    const struct {
        const char16_t *picture;
        const char *image;
    } pictures[] = {{u"图片框5", "img133"}, {u"图片框2", "img171"}};
    for (const auto &picture : pictures) {
        for (const Kind kind : {Kind::TransparentLabel, Kind::GroupBox})
            for (const auto &[name, rect] : ControlsOver(picture.picture, kind))
                QTest::newRow(qPrintable(name)) << QString::fromLatin1(picture.image) << rect;
    }
}

// Transparent labels show the picture behind their text, so nothing may be printed there.
void AssetsTest::labelsStandOnBlankGround()
{
    QFETCH(QString, image);
    QFETCH(QRect, area);
    const QImage page = assets::LoadImage(image.toStdString());
    QVERIFY(AllWhite(page, area.intersected(page.rect())));
}

void AssetsTest::iconFile()
{
    const QByteArray ico = ReadAll(QStringLiteral(KALMORO_ASSETS_DIR "/icon/kalmoro.ico"));
    QVERIFY(ico.size() > 6);
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(ico.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(ico.constData() + at); };
    QCOMPARE(u16(0), quint16(0));
    QCOMPARE(u16(2), quint16(1));
    const struct {
        int size, bits;
    } expected[] = {{256, 32}, {64, 32}, {48, 32}, {40, 32}, {32, 32}, {24, 32}, {20, 32}, {16, 32}, {48, 8},
        {32, 8}, {16, 8}, {32, 4}, {16, 4}};
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
            const QImage image = assets::DecodePng(body);
            QCOMPARE(image, Raw("img172", 1));
            continue;
        }
        // A bitmap: header, palette, colour rows and the AND mask, each row padded to 4 bytes.
        const int bits = expected[i].bits;
        QCOMPARE(qFromLittleEndian<quint32>(body.constData()), 40u);
        QCOMPARE(qFromLittleEndian<qint32>(body.constData() + 4), size);
        QCOMPARE(qFromLittleEndian<qint32>(body.constData() + 8), 2 * size);
        QCOMPARE(qFromLittleEndian<quint16>(body.constData() + 14), quint16(bits));
        const qsizetype palette = bits <= 8 ? 4 * (qsizetype(1) << bits) : 0;
        const qsizetype colourRows = qsizetype((size * bits + 31) / 32 * 4) * size;
        const qsizetype maskRows = qsizetype((size + 31) / 32 * 4) * size;
        QCOMPARE(body.size(), 40 + palette + colourRows + maskRows);
        // The mask hides the corners outside the rounded square and shows its middle.
        const char *mask = body.constData() + 40 + palette + colourRows;
        const int maskStride = (size + 31) / 32 * 4;
        QVERIFY(quint8(mask[0]) & 0x80);
        const int middle = size / 2;
        QVERIFY(!(quint8(mask[middle * maskStride + middle / 8]) & (0x80 >> (middle % 8))));
    }
}

void AssetsTest::desktopIcons()
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path
            = QStringLiteral(KALMORO_ASSETS_DIR "/icon/hicolor/%1x%1/apps/kalmoro.png").arg(size);
        const QByteArray bytes = ReadAll(path);
        const QImage image = assets::DecodePng(bytes);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QVERIFY(!ChunkTypes(bytes).contains("gAMA"));
    }
    QCOMPARE(assets::DecodePng(
                 ReadAll(QStringLiteral(KALMORO_ASSETS_DIR "/icon/hicolor/256x256/apps/kalmoro.png"))),
        Raw("img172", 1));
}

QTEST_MAIN(AssetsTest)
#include "test_assets.moc"
