#include <QFile>

#include "catalogue.h"
#include "fonts.h"
#include "pngdecoder.h"
#include "shelltesting.h"
#include "widgets/graphicbutton.h"
#include "widgets/picturebox.h"
#include "widgets/radiobutton.h"

using namespace kalmoro;
using kalmoro::testing::DifferentPixels;

// Runs on the offscreen platform with the screens of screens.json: "1x" and "2x" differ in device
// pixel ratio only, the dpi screens in dots per inch only (Qt's own scaling is off).
namespace {

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

bool moveToScreen(QWidget *window, const QString &name)
{
    QScreen *screen = screenNamed(name);
    if (!screen)
        return false;
    window->setScreen(screen);
    window->move(screen->geometry().topLeft() + QPoint(20, 20));
    return window->screen() == screen;
}

// The committed picture of an opaque asset, decoded without the program's cache.
QImage committed(const char *name, int scale)
{
    QFile file(QStringLiteral(":/assets/%1/%2.png").arg(scale == 1 ? "png" : "png@2x", name));
    return file.open(QIODevice::ReadOnly) ? assets::DecodePng(file.readAll()) : QImage();
}

enum class Control { GraphicButton, PictureBox, WindowSkin };

} // namespace

class ScreensTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // QTEST_MAIN has styles measure at 96 dpi whatever the screen; the program leaves them to the screen.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); }

    void imagesFollowThePixelRatio_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<assets::Asset>("image");
        QTest::newRow("graphic button") << Control::GraphicButton << assets::Asset::img144;
        QTest::newRow("picture box") << Control::PictureBox << assets::Asset::img013;
        QTest::newRow("window skin") << Control::WindowSkin << assets::Asset::img012;
    }

    // Every paint at a new ratio shows the set of that ratio, also after going back and forth.
    void imagesFollowThePixelRatio()
    {
        QFETCH(Control, control);
        QFETCH(assets::Asset, image);
        const QSize size(assets::Info(image).width, assets::Info(image).height);
        assets::PictureStore pictures;
        std::unique_ptr<QWidget> window;
        QWidget *shown = nullptr;
        if (control == Control::WindowSkin) {
            window = std::make_unique<MainWindow>();
            shown = window.get();
        } else {
            window = std::make_unique<QWidget>();
            window->resize(size + QSize(40, 40));
            if (control == Control::GraphicButton) {
                auto *button = new GraphicButton(pictures, window.get());
                button->setImage(GraphicButton::Normal, image);
                shown = button;
            } else {
                auto *picture = new PictureBox(pictures, window.get());
                picture->setImage(image);
                shown = picture;
            }
            shown->setGeometry(QRect(QPoint(20, 20), size));
        }
        QVERIFY(moveToScreen(window.get(), QStringLiteral("1x")));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        for (const char *screen : {"1x", "2x", "1x", "2x"}) {
            QVERIFY(moveToScreen(window.get(), QLatin1String(screen)));
            const int scale = screen[0] == '2' ? 2 : 1;
            const QImage expected = committed(assets::Info(image).name.data(), scale);
            QCOMPARE(expected.size(), size * scale);
            QTRY_COMPARE(shown->devicePixelRatioF(), qreal(scale));
            // grab() paints at the widget's ratio with the pixmaps the widget holds.
            QCOMPARE(DifferentPixels(shown->grab().toImage(), expected), 0);
        }
    }

    void radioButtonKeepsMarkAndCaptionInItsRectangle_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        for (const char *screen : {"120 dpi", "144 dpi", "192 dpi"}) {
            QTest::addRow("model radio at %s", screen)
                << QString::fromLatin1(screen) << QStringLiteral("GMV-250W/A") << QSize(96, 24);
            QTest::addRow("brand radio at %s", screen)
                << QString::fromLatin1(screen) << QStringLiteral("其他品牌加氟") << QSize(136, 16);
        }
    }

    // The layout was made at 96 dpi with captions in pixel sizes: on a denser screen without Qt's
    // scaling the radio must look exactly as it does there.
    void radioButtonKeepsMarkAndCaptionInItsRectangle()
    {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QApplication::setFont(UiFont());
        QWidget window;
        window.resize(size + QSize(20, 20));
        auto *radio = new RadioButton(&window);
        radio->setText(caption);
        radio->setChecked(true);
        radio->setGeometry(QRect(QPoint(10, 10), size));
        QVERIFY(moveToScreen(&window, QStringLiteral("1x")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage atLayoutDensity = radio->grab().toImage();

        QVERIFY(moveToScreen(&window, screen));
        QTRY_COMPARE(radio->logicalDpiY(), screen.left(3).toInt());

        QCOMPARE(DifferentPixels(radio->grab().toImage(), atLayoutDensity), 0);
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
