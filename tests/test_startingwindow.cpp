#include <QSignalSpy>

#include "layoutnotes.h"
#include "pages/copperpage.h"
#include "pages/ventpage.h"
#include "shelltesting.h"
#include "widgets/pagetab.h"

using namespace kalmoro;

namespace {

constexpr std::u16string_view kTwoTitles[] = {u"一", u"二"};
constexpr TabSetup kTwoPages {kTwoTitles, 1, u"", 12, 20, TabColours::Plain, 0};

// The first frame builds; the rest, on the page the first frame does not show, does not.
constexpr LayoutRow kRestUnknownParent[] = {
    {u"标语", Kind::PictureBox, {}, {0, 0, 10, 10}, true, u"", {assets::Asset::img078}, {}},
    {u"高级选择夹1", Kind::PageTab, {}, {0, 20, 100, 100}, true, u"", {}, {.tab = &kTwoPages}},
    {u"透明标签1", Kind::TransparentLabel, {u"分组框1"}, {0, 0, 10, 10}, true, u"", {}, {}},
};
constexpr LayoutRow kRestDuplicateName[] = {
    {u"标语", Kind::PictureBox, {}, {0, 0, 10, 10}, true, u"", {assets::Asset::img078}, {}},
    {u"高级选择夹1", Kind::PageTab, {}, {0, 20, 100, 100}, true, u"", {}, {.tab = &kTwoPages}},
    {u"标语", Kind::TransparentLabel, {u"高级选择夹1", 1}, {0, 0, 10, 10}, true, u"", {}, {}},
};
const std::span<const LayoutRow> kFaultyRests[] = {kRestUnknownParent, kRestDuplicateName};

// How many times start-up had finished when the window was first painted.
class FirstPaint final : public QObject
{
public:
    FirstPaint(QWidget &window, const QSignalSpy &finished)
        : m_finished(finished)
    {
        window.installEventFilter(this);
    }
    int finishedBefore = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && finishedBefore < 0)
            finishedBefore = int(m_finished.count());
        return QObject::eventFilter(watched, event);
    }

private:
    const QSignalSpy &m_finished;
};

} // namespace

class StartingWindowTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QApplication::setFont(UiFont()); }

    // What is on the screen before the rest is built is what the whole window shows.
    void firstFrameIsTheWholeWindows()
    {
        StartingWindow starting;
        QVERIFY(starting.window());
        const QImage firstFrame = starting.window()->grab().toImage();
        QSignalSpy finished(&starting, &StartingWindow::finished);
        QVERIFY(finished.wait());
        QVERIFY(starting.window());
        QCOMPARE(testing::DifferentPixels(firstFrame, starting.window()->grab().toImage()), 0);
    }

    // The rest is built once the first frame is on the screen, not ahead of it.
    void theRestFollowsTheFirstFrame()
    {
        StartingWindow starting;
        QVERIFY(starting.window());
        QSignalSpy finished(&starting, &StartingWindow::finished);
        FirstPaint firstPaint(*starting.window(), finished);
        QVERIFY(finished.wait());
        QCOMPARE(firstPaint.finishedBefore, 0);
    }

    // Keys and clicks given before the rest of the window exists are handled once it does.
    void inputBeforeTheRestIsHeld_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expectedPage");
        QTest::newRow("Alt+2") << QString() << int(Qt::Key_2) << 2;
        QTest::newRow("Alt+6") << QString() << int(Qt::Key_6) << 6;
        QTest::newRow("copper entry clicked") << testing::Text(kCopperUnit.entry->button) << 0 << 2;
        QTest::newRow("vent entry clicked") << testing::Text(kVentUnit.entry->button) << 0 << 4;
    }

    void inputBeforeTheRestIsHeld()
    {
        QFETCH(QString, clicked);
        QFETCH(int, key);
        QFETCH(int, expectedPage);
        StartingWindow starting;
        MainWindow *window = starting.window();
        QVERIFY(window);
        QSignalSpy finished(&starting, &StartingWindow::finished);
        // Keys go to the active window, as the user's do.
        QApplication::setActiveWindow(window);
        if (clicked.isEmpty())
            QTest::keyClick(window, Qt::Key(key), Qt::AltModifier);
        else
            QTest::mouseClick(window->control(clicked), Qt::LeftButton);
        // A click goes through the window system, whose events the event loop may run meanwhile.
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(window->control<PageTab>(testing::Text(layoutnotes::kMainTab))->currentPage(), expectedPage);
    }

    // A layout whose rest cannot be built ends the start-up without a window, saying why.
    void failureInTheRestEndsTheStart_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("failure");
        QTest::newRow("unknown parent") << 0 << QStringLiteral("透明标签1: unknown parent 分组框1");
        QTest::newRow("duplicate name") << 1 << QStringLiteral("two controls named 标语");
    }

    void failureInTheRestEndsTheStart()
    {
        QFETCH(int, table);
        QFETCH(QString, failure);
        StartingWindow starting(kFaultyRests[table]);
        QVERIFY(starting.window());
        QSignalSpy finished(&starting, &StartingWindow::finished);
        QVERIFY(finished.wait());
        QCOMPARE(starting.window(), nullptr);
        QCOMPARE(starting.failure(), failure);
    }
};

QTEST_MAIN(StartingWindowTest)
#include "test_startingwindow.moc"
