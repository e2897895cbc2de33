#include "shelltesting.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QWheelEvent>

#include "shell/fonts.h"
#include "shell/widgets/editbox.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/pagetab.h"
#include "shell/widgets/picturebox.h"
#include "shell/widgets/radiobutton.h"
#include "shell/widgets/transparentlabel.h"

using namespace kalmoro;
using kalmoro::testing::OnScreen;

namespace {

const QColor kGround(0, 160, 0);

// A shown top-level window with a plain coloured ground; the widgets under test are its children.
std::unique_ptr<QWidget> ShowHost(QSize size)
{
    auto host = std::make_unique<QWidget>();
    host->resize(size);
    QPalette colours = host->palette();
    colours.setColor(QPalette::Window, kGround);
    host->setPalette(colours);
    host->setAutoFillBackground(true);
    return host;
}

bool Exposed(QWidget &host)
{
    host.show();
    host.activateWindow();
    return QTest::qWaitForWindowActive(&host);
}

// Pixels of image inside area that are not the host's ground.
int InkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            ink += image.pixelColor(x, y) != kGround;
    return ink;
}

QString AccessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

} // namespace

class WidgetKindsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(UiFont()); }

    // Transparent label.

    void shorterCaptionLeavesNothingOfTheLongerOne()
    {
        auto host = ShowHost({ 300, 60 });
        auto *label = new TransparentLabel(host.get());
        label->setGeometry(10, 10, 260, 24);
        label->setText(QStringLiteral("88888888888888888888"));
        QVERIFY(Exposed(*host));
        const QRect tail(40, 0, 220, 24);
        QTRY_VERIFY(InkIn(OnScreen(label), tail) > 0);

        label->setText(QStringLiteral("1"));

        QTRY_COMPARE(InkIn(OnScreen(label), tail), 0);
        QVERIFY(InkIn(OnScreen(label), QRect(0, 0, 40, 24)) > 0);
    }

    void chineseTextWrapsInsideTheLabel()
    {
        auto host = ShowHost({ 200, 100 });
        auto *label = new TransparentLabel(host.get());
        label->setGeometry(10, 10, 100, 60);
        label->setText(QStringLiteral("把今日铜价里的数值填入期货铜价"));
        QVERIFY(Exposed(*host));

        const int line = QFontMetrics(label->font()).lineSpacing();
        QTRY_VERIFY(InkIn(OnScreen(label), QRect(0, 0, 100, line)) > 0);
        const QImage shown = OnScreen(label);
        QVERIFY(InkIn(shown, QRect(0, line, 100, line)) > 0);
        QCOMPARE(InkIn(OnScreen(host.get()), QRect(110, 0, 90, 100)), 0);
    }

    void pressedOncePerPressAndOnceForADoubleClick()
    {
        auto host = ShowHost({ 200, 60 });
        auto *label = new TransparentLabel(host.get());
        label->setGeometry(10, 10, 145, 16);
        label->setText(QStringLiteral("Kalmoro V1.0"));
        QVERIFY(Exposed(*host));
        QSignalSpy pressed(label, &TransparentLabel::pressed);
        QSignalSpy doubleClicked(label, &TransparentLabel::doubleClicked);

        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(pressed.size(), 1);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(pressed.size(), 1);

        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(pressed.size(), 1);

        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(pressed.size(), 2);
        QCOMPARE(doubleClicked.size(), 1);
    }

    void numberShrinksUntilItFitsOneLineButTextDoesNot()
    {
        auto host = ShowHost({ 200, 60 });
        auto *label = new TransparentLabel(host.get());
        label->setGeometry(10, 10, 64, 22);
        label->setFont(LayoutFont(u"", 19, true));
        label->setAlignment(Qt::AlignHCenter);
        const QString number = QStringLiteral("123456.789012");
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(number) > 64);

        label->setNumberText(number);
        QVERIFY(label->drawnFont().pixelSize() < 19);
        QVERIFY(QFontMetrics(label->drawnFont()).horizontalAdvance(number) <= 64);
        QCOMPARE(label->text(), number);

        label->setNumberText(QStringLiteral("0"));
        QCOMPARE(label->drawnFont().pixelSize(), 19);

        label->setText(number);
        QCOMPARE(label->drawnFont().pixelSize(), 19);
    }

    // Edit box.

    void editBoxHasNoLengthLimit()
    {
        auto host = ShowHost({ 200, 60 });
        auto *edit = new EditBox(host.get());
        edit->setGeometry(10, 10, 120, 23);
        QVERIFY(Exposed(*host));
        const QString digits(100000, QLatin1Char('7'));

        edit->insert(digits);
        QCOMPARE(edit->text().size(), digits.size());

        edit->clear();
        QGuiApplication::clipboard()->setText(digits + QLatin1Char('8'));
        edit->setFocus();
        QTest::keySequence(host->windowHandle(), QKeySequence::Paste);
        QCOMPARE(edit->text().size(), digits.size() + 1);
        QVERIFY(edit->text().endsWith(QLatin1Char('8')));
    }

    void editBoxReportsEveryChangeOnAWhiteGround()
    {
        auto host = ShowHost({ 200, 60 });
        auto *edit = new EditBox(host.get());
        edit->setGeometry(10, 10, 120, 23);
        QVERIFY(Exposed(*host));
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
        QTRY_COMPARE(OnScreen(edit).pixelColor(100, 11), QColor(Qt::white));
        QSignalSpy changed(edit, &EditBox::textChanged);

        QTest::mouseClick(edit, Qt::LeftButton);
        for (char typed : { '1', '2', '.', '5' })
            QTest::keyClick(host->windowHandle(), typed);
        QCOMPARE(changed.size(), 4);
        QCOMPARE(changed.last().at(0).toString(), QStringLiteral("12.5"));
        QTest::keyClick(host->windowHandle(), Qt::Key_Backspace);
        QCOMPARE(changed.size(), 5);
        edit->setText(QStringLiteral("0"));
        QCOMPARE(changed.size(), 6);
    }

    // Radio buttons.

    void radioButtonsOfOneParentAreOneGroup()
    {
        auto host = ShowHost({ 500, 120 });
        QList<RadioButton *> radios;
        for (int i = 0; i < 12; ++i) {
            auto *radio = new RadioButton(host.get());
            radio->setText(QStringLiteral("GMV-%1W/A").arg(250 + 50 * i));
            radio->setGeometry(10 + 120 * (i % 4), 10 + 30 * (i / 4), 110, 24);
            radios.append(radio);
        }
        QVERIFY(Exposed(*host));

        for (int clicked : { 0, 5, 11, 3, 3 }) {
            QTest::mouseClick(radios[clicked], Qt::LeftButton);
            for (int i = 0; i < radios.size(); ++i)
                QCOMPARE(radios[i]->isChecked(), i == clicked);
        }

        radios[7]->setEnabled(false);
        QTest::mouseClick(radios[7], Qt::LeftButton);
        QVERIFY(!radios[7]->isChecked());
        QVERIFY(radios[3]->isChecked());
    }

    void radioButtonStandsOnWhite()
    {
        auto host = ShowHost({ 200, 60 });
        auto *radio = new RadioButton(host.get());
        radio->setText(QStringLiteral("GMV-250W/A"));
        radio->setGeometry(10, 10, 150, 24);
        QVERIFY(Exposed(*host));
        // Right of the caption only the radio's own ground shows.
        const QImage image = radio->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(Qt::white));
    }

    // Page tab.

    void headerClickSelectsThePage_data()
    {
        QTest::addColumn<int>("header");
        QTest::newRow("first header") << 0;
        QTest::newRow("middle header") << 1;
        QTest::newRow("last header") << 2;
    }

    void headerClickSelectsThePage()
    {
        QFETCH(int, header);
        auto host = ShowHost({ 500, 300 });
        PageTab tab({ QStringLiteral("空调品牌选择"), QStringLiteral("大金"), QStringLiteral("格力") },
            { LayoutFont(u"微软雅黑", 19), 26, 0 }, host.get());
        tab.setGeometry(10, 10, 480, 280);
        tab.setCurrentPage(header == 0 ? 2 : 0);
        QList<EditBox *> controls;
        for (int page = 0; page < tab.count(); ++page) {
            controls.append(new EditBox(tab.page(page)));
            controls.last()->setGeometry(20, 60, 100, 23);
        }
        QVERIFY(Exposed(*host));
        QSignalSpy changed(&tab, &PageTab::currentPageChanged);

        QTest::mouseClick(&tab, Qt::LeftButton, {}, tab.headerRect(header).center());

        QCOMPARE(tab.currentPage(), header);
        QCOMPARE(changed.size(), 1);
        for (int page = 0; page < tab.count(); ++page)
            QCOMPARE(controls[page]->isVisible(), page == header);
    }

    void clicksOutsideTheHeadersChangeNothing_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("strip right of the headers") << QPoint(470, 8);
        QTest::newRow("below the strip") << QPoint(60, 200);
    }

    void clicksOutsideTheHeadersChangeNothing()
    {
        QFETCH(QPoint, where);
        auto host = ShowHost({ 500, 300 });
        PageTab tab({ QStringLiteral("大金"), QStringLiteral("格力") }, { LayoutFont(u"SimSun", 12), 20, 2 },
            host.get());
        tab.setGeometry(10, 10, 480, 280);
        tab.setCurrentPage(1);
        QVERIFY(Exposed(*host));
        QVERIFY(!tab.headerRect(1).contains(where));
        QSignalSpy changed(&tab, &PageTab::currentPageChanged);

        QTest::mouseClick(&tab, Qt::LeftButton, {}, where);

        QCOMPARE(tab.currentPage(), 1);
        QCOMPARE(changed.size(), 0);
    }

    void settingThePageIgnoresBadIndexesAndTheCurrentPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the last") << 3;
        QTest::newRow("far out") << 100;
        QTest::newRow("the page shown") << 1;
    }

    void settingThePageIgnoresBadIndexesAndTheCurrentPage()
    {
        QFETCH(int, index);
        PageTab tab({ QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三") }, {});
        tab.resize(300, 200);
        tab.setCurrentPage(1);
        auto *control = new TransparentLabel(tab.page(1));
        tab.show();
        QSignalSpy changed(&tab, &PageTab::currentPageChanged);

        tab.setCurrentPage(index);

        QCOMPARE(tab.currentPage(), 1);
        QCOMPARE(changed.size(), 0);
        QVERIFY(control->isVisible());
        QVERIFY(tab.page(1)->isVisible());
    }

    void controlsKeepTheirOwnVisibilityOnHiddenPages()
    {
        PageTab tab({ QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三") }, {});
        tab.resize(300, 200);
        auto *stays = new TransparentLabel(tab.page(1));
        auto *hidden = new TransparentLabel(tab.page(1));
        auto *shownLater = new TransparentLabel(tab.page(2));
        shownLater->hide();
        tab.show();

        hidden->hide();
        shownLater->show();
        QVERIFY(hidden->isHidden());
        QVERIFY(!shownLater->isHidden());
        QVERIFY(!shownLater->isVisible());

        tab.setCurrentPage(1);
        QVERIFY(stays->isVisible());
        QVERIFY(!hidden->isVisible());
        QVERIFY(!shownLater->isVisible());

        tab.setCurrentPage(2);
        QVERIFY(shownLater->isVisible());
        QVERIFY(!stays->isVisible());
        QVERIFY(!stays->isHidden());
        QVERIFY(hidden->isHidden());
    }

    void tabTakesNoFocusAndIgnoresKeysAndWheel()
    {
        auto host = ShowHost({ 500, 300 });
        PageTab tab({ QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三") },
            { LayoutFont(u"SimSun", 12), 20, 2 }, host.get());
        tab.setGeometry(10, 10, 480, 280);
        tab.setCurrentPage(1);
        auto *edit = new EditBox(tab.page(1));
        edit->setGeometry(20, 60, 100, 23);
        QVERIFY(Exposed(*host));
        QCOMPARE(tab.focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), edit);

        QTest::mouseClick(&tab, Qt::LeftButton, {}, tab.headerRect(1).center());
        QCOMPARE(QApplication::focusWidget(), edit);
        for (const QKeyCombination key : { QKeyCombination(Qt::ControlModifier, Qt::Key_Tab),
                 QKeyCombination(Qt::ControlModifier, Qt::Key_PageDown), QKeyCombination(Qt::Key_Right),
                 QKeyCombination(Qt::Key_PageUp) })
            QTest::keyClick(host->windowHandle(), key.key(), key.keyboardModifiers());
        QCOMPARE(tab.currentPage(), 1);

        // The test library cannot send a wheel turn through the window system; the tab gets it directly.
        const QPointF onStrip = tab.headerRect(1).center();
        QWheelEvent wheel(onStrip, tab.mapToGlobal(onStrip), {}, { 0, -120 }, Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(&tab, &wheel);
        QCOMPARE(tab.currentPage(), 1);
    }

    // Picture box.

    void pictureBoxReportsDoubleClicks()
    {
        auto host = ShowHost({ 300, 100 });
        auto *picture = new PictureBox(host.get());
        picture->setGeometry(10, 10, 188, 32);
        picture->setImage(QStringLiteral("img077"));
        QVERIFY(Exposed(*host));
        QSignalSpy doubleClicked(picture, &PictureBox::doubleClicked);

        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(doubleClicked.size(), 0);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QCOMPARE(doubleClicked.size(), 1);
        QTest::mouseDClick(picture, Qt::RightButton);
        QCOMPARE(doubleClicked.size(), 1);
    }

    // Accessibility, on the controls of the real window.

    void controlsTellScreenReadersWhatTheyShow()
    {
        std::unique_ptr<MainWindow> window = CreateMainWindow();
        QVERIFY(window);

        auto *version = window->control<TransparentLabel>(QStringLiteral("透明标签5"));
        QCOMPARE(AccessibleText(version, QAccessible::Name), QStringLiteral("Kalmoro V1.0"));
        auto *total = window->control<TransparentLabel>(QStringLiteral("透明标签10"));
        total->setText(QStringLiteral("1234.5"));
        QCOMPARE(AccessibleText(total, QAccessible::Name), QStringLiteral("1234.5"));

        auto *futures = window->control<EditBox>(QStringLiteral("编辑框0"));
        futures->setText(QStringLiteral("68000"));
        QCOMPARE(AccessibleText(futures, QAccessible::Value), QStringLiteral("68000"));

        const QList<QWidget *> imageOnly = window->findChildren<QWidget *>();
        int named = 0;
        for (QWidget *control : imageOnly) {
            if (!qobject_cast<GraphicButton *>(control) && !qobject_cast<PictureBox *>(control))
                continue;
            QVERIFY2(
                !AccessibleText(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            ++named;
        }
        QCOMPARE(named, 48 + 22);
        QCOMPARE(AccessibleText(window->control(QStringLiteral("最小化按钮")), QAccessible::Name),
            QStringLiteral("最小化"));
    }
};

QTEST_MAIN(WidgetKindsTest)
#include "test_widgetkinds.moc"
