#include <QSignalSpy>

#include "images.h"
#include "shelltesting.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"

using namespace kalmoro;
using kalmoro::assets::Asset;
using kalmoro::testing::DifferentPixels;
using kalmoro::testing::OnScreen;

namespace {

// A blank place of the host, away from every child.
constexpr QPoint kBlank {250, 130};

Asset shown(const GraphicButton &button)
{
    return button.shownImage().value();
}

} // namespace

class GraphicButtonTest final : public QObject
{
    Q_OBJECT

private:
    assets::PictureStore m_pictures;
    // A window with an edit box above and below a menu button (normal, hover and pressed image).
    QWidget *m_host = nullptr;
    EditBox *m_above = nullptr;
    GraphicButton *m_button = nullptr;
    EditBox *m_below = nullptr;

    // The pointer starts on the host's blank ground, so that arriving on the button is a real
    // enter from a neighbour (the offscreen platform has no pointer of its own).
    void pointerToBlank() { QTest::mouseMove(m_host, kBlank); }

private Q_SLOTS:
    void init()
    {
        m_host = new QWidget;
        m_host->resize(300, 150);
        m_above = new EditBox(m_host);
        m_above->setGeometry(10, 10, 60, 22);
        m_button = new GraphicButton(m_pictures, m_host);
        m_button->setGeometry(100, 40, 26, 26);
        m_button->setImage(GraphicButton::Normal, Asset::img144);
        m_button->setImage(GraphicButton::Hover, Asset::img145);
        m_button->setImage(GraphicButton::Pressed, Asset::img146);
        m_below = new EditBox(m_host);
        m_below->setGeometry(10, 80, 60, 22);
        m_host->show();
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host));
        pointerToBlank();
    }

    void cleanup()
    {
        delete m_host;
        m_host = nullptr;
    }

    void heldButtonFollowsThePointer_data()
    {
        QTest::addColumn<QList<QPoint>>("moves"); // while the button is held, in the host's coordinates
        QTest::addColumn<Asset>("beforeRelease");
        QTest::addColumn<int>("clicks");
        QTest::newRow("released where pressed") << QList<QPoint> {} << Asset::img146 << 1;
        QTest::newRow("moved off, released outside") << QList<QPoint> {kBlank} << Asset::img144 << 0;
        QTest::newRow("moved off and back, released inside")
            << QList<QPoint> {kBlank, {120, 60}} << Asset::img146 << 1;
    }

    void heldButtonFollowsThePointer()
    {
        QFETCH(QList<QPoint>, moves);
        QFETCH(Asset, beforeRelease);
        QFETCH(int, clicks);
        QSignalSpy clicked(m_button, &GraphicButton::clicked);
        QCOMPARE(shown(*m_button), Asset::img144);
        QTest::mouseMove(m_button);
        QCOMPARE(shown(*m_button), Asset::img145);
        QTest::mousePress(m_button, Qt::LeftButton);
        QCOMPARE(shown(*m_button), Asset::img146);
        QPoint at = m_button->geometry().center();
        for (const QPoint move : moves)
            QTest::mouseMove(m_host, at = move);
        QCOMPARE(shown(*m_button), beforeRelease);
        QCOMPARE(clicked.size(), 0);

        QTest::mouseRelease(m_host, Qt::LeftButton, {}, at);

        QCOMPARE(clicked.size(), clicks);
        // After a click the normal image shows until the pointer moves.
        QCOMPARE(shown(*m_button), Asset::img144);
    }

    void disabledButton_data()
    {
        QTest::addColumn<std::optional<Asset>>("disabledImage");
        QTest::addColumn<Asset>("expected");
        QTest::newRow("with a disabled image") << std::optional(Asset::img064) << Asset::img064;
        QTest::newRow("without a disabled image") << std::optional<Asset>() << Asset::img144;
    }

    void disabledButton()
    {
        QFETCH(std::optional<Asset>, disabledImage);
        QFETCH(Asset, expected);
        m_button->setImage(GraphicButton::Disabled, disabledImage);
        m_button->setEnabled(false);
        QSignalSpy clicked(m_button, &GraphicButton::clicked);

        QCOMPARE(shown(*m_button), expected);
        QTest::mouseMove(m_button);
        QCOMPARE(shown(*m_button), expected);
        QTest::mousePress(m_button, Qt::LeftButton);
        QCOMPARE(shown(*m_button), expected);
        QTest::mouseRelease(m_button, Qt::LeftButton);
        QCOMPARE(clicked.size(), 0);
        QTRY_COMPARE(DifferentPixels(OnScreen(m_button), assets::LoadImage(expected).copy(0, 0, 26, 26)), 0);
    }

    void missingImagesFallBackToTheNormalImage_data()
    {
        QTest::addColumn<std::optional<Asset>>("hover");
        QTest::addColumn<std::optional<Asset>>("pressed");
        QTest::newRow("normal image only") << std::optional<Asset>() << std::optional<Asset>();
        QTest::newRow("no pressed image") << std::optional(Asset::img145) << std::optional<Asset>();
        QTest::newRow("no hover image") << std::optional<Asset>() << std::optional(Asset::img146);
    }

    void missingImagesFallBackToTheNormalImage()
    {
        QFETCH(std::optional<Asset>, hover);
        QFETCH(std::optional<Asset>, pressed);
        m_button->setImage(GraphicButton::Hover, hover);
        m_button->setImage(GraphicButton::Pressed, pressed);

        QTest::mouseMove(m_button);
        QCOMPARE(shown(*m_button), hover.value_or(Asset::img144));
        QTest::mousePress(m_button, Qt::LeftButton);
        QCOMPARE(shown(*m_button), pressed.value_or(Asset::img144));
        QTest::mouseRelease(m_button, Qt::LeftButton);
    }

    // Right after a click the button is normal: a normal image replaced by the click handler shows at
    // once, though the pointer is still over the button; the next move brings the hover image back,
    // leaving the button the normal one.
    void normalImageReplacedByTheClickHandlerShowsAtOnce()
    {
        connect(m_button, &GraphicButton::clicked, m_button,
            [this] { m_button->setImage(GraphicButton::Normal, Asset::img147); });
        QTest::mouseMove(m_button);
        QTRY_COMPARE(DifferentPixels(OnScreen(m_button), assets::LoadImage(Asset::img145)), 0);

        QTest::mouseClick(m_button, Qt::LeftButton);

        QCOMPARE(shown(*m_button), Asset::img147);
        QTRY_COMPARE(DifferentPixels(OnScreen(m_button), assets::LoadImage(Asset::img147)), 0);
        QTest::mouseMove(m_button, QPoint(3, 20));
        QCOMPARE(shown(*m_button), Asset::img145);
        pointerToBlank();
        QCOMPARE(shown(*m_button), Asset::img147);
    }

    void imageWiderThanTheButtonIsCutOffOnTheRight()
    {
        GraphicButton button(m_pictures);
        button.resize(210, 55);
        button.setImage(GraphicButton::Normal, Asset::img157);
        const QImage image = assets::LoadImage(Asset::img157);
        QCOMPARE(image.size(), QSize(220, 55));
        QCOMPARE(DifferentPixels(button.grab().toImage(), image.copy(0, 0, 210, 55)), 0);
    }

    void neverTakesTheFocus()
    {
        QCOMPARE(m_button->focusPolicy(), Qt::NoFocus);
        QSignalSpy clicked(m_button, &GraphicButton::clicked);
        QTest::mouseClick(m_above, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), m_above);

        QTest::keyClick(m_host->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_below);

        QTest::mouseClick(m_button, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(QApplication::focusWidget(), m_below);

        QTest::keyClick(m_host->windowHandle(), Qt::Key_Space);
        QTest::keyClick(m_host->windowHandle(), Qt::Key_Return);
        QCOMPARE(clicked.size(), 1);
    }
};

QTEST_MAIN(GraphicButtonTest)
#include "test_graphicbutton.moc"
