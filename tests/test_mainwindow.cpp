#include <algorithm>
#include <vector>

#include <QWhatsThis>

#include "layout.h"
#include "shelltesting.h"
#include "widgets/editbox.h"
#include "widgets/pagetab.h"
#include "windowbuilder.h"

using namespace kalmoro;

namespace {

constexpr std::u16string_view kTwoTitles[] = {u"一", u"二"};
constexpr TabSetup kTwoPages {kTwoTitles, 0, u"", 12, 20, TabColours::Plain};

constexpr LayoutRow kDuplicateName[] = {
    {u"标语", Kind::PictureBox, {}, {0, 0, 10, 10}, true, u"", {assets::Asset::img078}, {}},
    {u"标语", Kind::TransparentLabel, {}, {0, 20, 10, 10}, true, u"标语", {}, {}},
};
constexpr LayoutRow kUnknownParent[] = {
    {u"tools", Kind::PictureBox, {}, {0, 0, 10, 10}, true, u"", {assets::Asset::img077}, {}},
    {u"透明标签1", Kind::TransparentLabel, {u"高级选择夹1", 1}, {0, 0, 10, 10}, true, u"", {}, {}},
};
constexpr LayoutRow kPageOutOfRange[] = {
    {u"高级选择夹1", Kind::PageTab, {}, {0, 0, 100, 100}, true, u"", {}, {.tab = &kTwoPages}},
    {u"透明标签1", Kind::TransparentLabel, {u"高级选择夹1", 2}, {0, 0, 10, 10}, true, u"", {}, {}},
};
constexpr LayoutRow kPageOfAPicture[] = {
    {u"图片框5", Kind::PictureBox, {}, {0, 0, 100, 100}, true, u"", {assets::Asset::img133}, {}},
    {u"分组框1", Kind::GroupBox, {u"图片框5", 0}, {0, 0, 10, 10}, true, u"", {}, {}},
};
constexpr LayoutRow kParentListedLater[] = {
    {u"今日铜价浏览", Kind::Browser, {u"分组框1"}, {0, 0, 10, 10}, true, u"", {}, {}},
    {u"分组框1", Kind::GroupBox, {}, {0, 0, 100, 100}, true, u"", {}, {}},
};

const std::span<const LayoutRow> kFaultyTables[]
    = {kDuplicateName, kUnknownParent, kPageOutOfRange, kPageOfAPicture, kParentListedLater};

} // namespace

class MainWindowTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<testing::DesktopBrowser> m_desktop;

    PageTab *mainTab() const { return m_window->control<PageTab>(QStringLiteral("高级选择夹1")); }

    // Clicks into an edit box of the page shown, which gives it the focus.
    EditBox *focusEditBox(const QString &name)
    {
        auto *edit = m_window->control<EditBox>(name);
        if (!edit)
            return nullptr;
        QTest::mouseClick(edit, Qt::LeftButton);
        return QApplication::focusWidget() == edit ? edit : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        m_desktop = std::make_unique<testing::DesktopBrowser>();
        m_window = testing::ShowProgramWindow();
        QVERIFY(m_window);
    }

    void cleanup()
    {
        m_window.reset();
        m_desktop.reset();
    }

    // Window settings and position.

    void windowIsFixedBorderlessMinimizableAndCentred()
    {
        QCOMPARE(m_window->size(), QSize(1080, 695));
        QCOMPARE(m_window->minimumSize(), QSize(1080, 695));
        QCOMPARE(m_window->maximumSize(), QSize(1080, 695));
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(m_window->windowType(), Qt::Window);
        QVERIFY(!m_window->parentWidget());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Kalmoro"));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(m_window->pos(), CentredPosition(screen, QSize(1080, 695)));
    }

    void centredPosition_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(420, 192);
        QTest::newRow("1366x768, odd remainder dropped") << QSize(1366, 768) << QPoint(143, 36);
        QTest::newRow("exactly the window") << QSize(1080, 695) << QPoint(0, 0);
        QTest::newRow("800x600, negative kept") << QSize(800, 600) << QPoint(-140, -47);
        QTest::newRow("narrower only") << QSize(1024, 768) << QPoint(-28, 36);
    }

    void centredPosition()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(CentredPosition(screen, QSize(1080, 695)), expected);
    }

    // Moving the window by dragging.

    void pressAndDrag_data()
    {
        QTest::addColumn<QString>("control"); // empty: the window's own ground; "page": the page's ground
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("moves");
        QTest::newRow("window ground") << QString() << 0 << QPoint(600, 20) << true;
        QTest::newRow("logo picture") << QStringLiteral("tools") << 0 << QPoint(20, 10) << true;
        QTest::newRow("slogan picture") << QStringLiteral("标语") << 0 << QPoint(100, 15) << true;
        QTest::newRow("copper page picture") << QStringLiteral("图片框5") << 2 << QPoint(40, 500) << true;
        QTest::newRow("label on a page") << QStringLiteral("透明标签2") << 1 << QPoint(10, 10) << false;
        QTest::newRow("blank place of a page") << QStringLiteral("page") << 1 << QPoint(780, 300) << false;
        QTest::newRow("disabled radio button") << QStringLiteral("九百") << 1 << QPoint(30, 12) << false;
        QTest::newRow("navigation button") << QStringLiteral("水管选择按钮") << 0 << QPoint(100, 20) << false;
        QTest::newRow("title-bar button") << QStringLiteral("分类按钮") << 0 << QPoint(13, 13) << false;
    }

    void pressAndDrag()
    {
        QFETCH(QString, control);
        QFETCH(int, page);
        QFETCH(QPoint, at);
        QFETCH(bool, moves);
        mainTab()->setCurrentPage(page);
        QWidget *target = m_window.get();
        if (control == QStringLiteral("page"))
            target = mainTab()->page(page);
        else if (!control.isEmpty())
            target = m_window->control(control);
        QVERIFY(target);
        if (control == QStringLiteral("九百"))
            target->setEnabled(false);
        const QPoint pressed = target->mapTo(m_window.get(), at);
        QCOMPARE(m_window->childAt(pressed), target == m_window.get() ? nullptr : target);
        const QPoint before = m_window->pos();
        const QPoint drag(40, 40);
        const QPoint pointer = m_window->mapToGlobal(pressed + drag);

        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, pressed);
        QTest::mouseMove(m_window.get(), pressed + drag);
        // The user lets go where the pointer is; a window that followed it has it at the point pressed.
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, m_window->mapFromGlobal(pointer));

        QCOMPARE(m_window->pos(), moves ? before + drag : before);
        QCOMPARE(mainTab()->currentPage(), page);
    }

    // Keyboard.

    void keys_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus"); // empty: nothing focused but the window
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc typing a unit count")
            << 1 << QStringLiteral("室内机台数") << int(Qt::Key_Escape) << true;
        QTest::newRow("Esc, no edit box focused") << 0 << QString() << int(Qt::Key_Escape) << true;
        // Enter computes the box's part of the page (here the indoor charge, which warns of nothing).
        QTest::newRow("Enter") << 1 << QStringLiteral("十") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter") << 1 << QStringLiteral("十") << int(Qt::Key_Enter) << false;
        QTest::newRow("F1") << 1 << QStringLiteral("室内机总量") << int(Qt::Key_F1) << false;
    }

    void keys()
    {
        QFETCH(int, page);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        mainTab()->setCurrentPage(page);
        EditBox *edit = nullptr;
        if (!focus.isEmpty()) {
            QVERIFY(edit = focusEditBox(focus));
            QTest::keyClick(m_window->windowHandle(), '8');
        }

        QTest::keyClick(m_window->windowHandle(), Qt::Key(key));

        if (closes) {
            QTRY_VERIFY(!m_window->isVisible());
            return;
        }
        // The window closes through a queued call; run the queue so that one would have happened.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), QStringLiteral("8"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(mainTab()->currentPage(), page);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(QApplication::activeWindow(), m_window.get());
    }

    void escapeInAMessageBoxClosesOnlyTheBox()
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："),
            QStringLiteral("铜价过低，请检查......"), QMessageBox::Ok, m_window.get());
        box.open();
        QVERIFY(QTest::qWaitForWindowActive(&box));

        QTest::keyClick(box.windowHandle(), Qt::Key_Escape);

        QTRY_VERIFY(!box.isVisible());
        QCoreApplication::sendPostedEvents();
        QVERIFY(m_window->isVisible());
    }

    // Focus.

    // Title-bar buttons, labels and pictures leave the focus where it was. (A navigation button hands
    // it to the first input of the page it shows.)
    void drawnControlsNeverTakeTheFocus()
    {
        mainTab()->setCurrentPage(1);
        EditBox *edit = focusEditBox(QStringLiteral("配比率"));
        QVERIFY(edit);
        for (const char16_t *name : {u"分类按钮", u"透明标签4", u"空调品牌图片"}) {
            QTest::mouseClick(m_window->control(QString::fromUtf16(name)), Qt::LeftButton);
            QVERIFY2(QApplication::focusWidget() == edit, qPrintable(QString::fromUtf16(name)));
        }
    }

    // Building and the start-up failure.

    void builderRejectsFaultyTables_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("named");
        QTest::newRow("duplicate name") << 0 << QStringLiteral("标语");
        QTest::newRow("unknown parent") << 1 << QStringLiteral("高级选择夹1");
        QTest::newRow("page index out of range") << 2 << QStringLiteral("透明标签1");
        QTest::newRow("page of a picture box") << 3 << QStringLiteral("图片框5");
        QTest::newRow("parent listed after its child") << 4 << QStringLiteral("分组框1");
    }

    void builderRejectsFaultyTables()
    {
        QFETCH(int, table);
        QFETCH(QString, named);
        QString error;
        QVERIFY(!BuildMainWindow(kFaultyTables[table], &error));
        QVERIFY2(error.contains(named), qPrintable(error));
        QVERIFY(!BuildMainWindow(kFaultyTables[table]));
    }

    // The handlers' views are resolved once, when the window is built: a control they need that is
    // missing or of another kind stops start-up, and the failure names it.
    void pageViewsRejectALayoutWithoutTheirControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("otherKind");
        QTest::newRow("copper metres box missing") << QStringLiteral("编辑框5") << false;
        QTest::newRow("brand browser missing") << QStringLiteral("志高浏览器") << false;
        QTest::newRow("refrigerant total as an edit box") << QStringLiteral("一共加氟") << true;
    }

    void pageViewsRejectALayoutWithoutTheirControls()
    {
        QFETCH(QString, name);
        QFETCH(bool, otherKind);
        std::vector<LayoutRow> rows(MainLayout().begin(), MainLayout().end());
        const auto row
            = std::ranges::find_if(rows, [&name](const LayoutRow &r) { return QStringView(r.name) == name; });
        QVERIFY(row != rows.end());
        if (otherKind)
            row->kind = Kind::EditBox;
        else
            rows.erase(row);

        const CreatedWindow created = CreateMainWindow({}, rows);
        QVERIFY(!created.window);
        QVERIFY2(created.failure.contains(name), qPrintable(created.failure));
        QVERIFY(CreateMainWindow().window);
    }

    void startupFailureShowsAnErrorBox()
    {
        m_window.reset();
        bool seen = false;
        testing::WhenMessageBoxOpens([&seen](QMessageBox &box) {
            seen = true;
            QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
            QCOMPARE(box.windowTitle(), QStringLiteral("错误"));
            QCOMPARE(box.text(), QStringLiteral("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"));
            QCOMPARE(box.icon(), QMessageBox::Critical);
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.standardButtons(), QMessageBox::Ok);
            QCOMPARE(box.parentWidget(), nullptr);
        });

        QCOMPARE(ReportStartupFailure(), -1);
        QVERIFY(seen);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
