#include <QRadioButton>

#include "brandpages.h"
#include "images.h"
#include "platform.h"
#include "shelltesting.h"
#include "widgets/browserhost.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"

using namespace kalmoro;
using kalmoro::testing::DifferentPixels;
using kalmoro::testing::OnScreen;

namespace {

struct Entry {
    const char16_t *button;
    const char *normal;
    const char *hover;
    const char *selected;
    const char *unselected;
    int page;
};

constexpr Entry kEntries[] = {
    { u"加氟计算按钮", "img157", "img158", "img008", "img001", 1 },
    { u"铜管价格按钮", "img155", "img156", "img000", "img007", 2 },
    { u"水管选择按钮", "img153", "img154", "img009", "img002", 3 },
    { u"风口价格按钮", "img140", "img141", "img010", "img003", 4 },
    { u"空调选型按钮", "img123", "img124", "img011", "img004", 5 },
    { u"关于软件按钮", "img125", "img126", "img006", "img005", 6 },
};

// In the order the selection entry loads them: Gree, Daikin, Midea, AUX, Chigo.
const QList<QPair<QString, QString>> kStartPages {
    { QStringLiteral("格力浏览器"), QStringLiteral("\\web\\gree0.html") },
    { QStringLiteral("大金浏览器"), QStringLiteral("\\web\\daikin0.html") },
    { QStringLiteral("美的浏览器"), QStringLiteral("\\web\\meidi0.html") },
    { QStringLiteral("奥克斯浏览器"), QStringLiteral("\\web\\aux0.html") },
    { QStringLiteral("志高浏览器"), QStringLiteral("\\web\\chigo0.html") },
};

// The product and price buttons: the brand choice that shows them, their browser and their page.
struct PageButton {
    const char16_t *button, *choice, *browser, *path;
    bool visible;
};

constexpr PageButton kPageButtons[] = {
    { u"X7按钮", u"daikin1", u"大金浏览器", u"\\web\\x7.html", true },
    { u"P按钮", u"daikin1", u"大金浏览器", u"\\web\\p.html", true },
    { u"S按钮", u"daikin1", u"大金浏览器", u"\\web\\s.html", true },
    { u"skyair按钮", u"daikin1", u"大金浏览器", u"\\web\\skyair.html", true },
    { u"大金价格", u"daikin1", u"大金浏览器", u"\\web\\daikinprice.html", false },
    { u"GMVES按钮", u"gree1", u"格力浏览器", u"\\web\\gmves.html", true },
    { u"GMV5按钮", u"gree1", u"格力浏览器", u"\\web\\gmv5.html", true },
    { u"GMV5S按钮", u"gree1", u"格力浏览器", u"\\web\\gmv5s.html", true },
    { u"star按钮", u"gree1", u"格力浏览器", u"\\web\\star.html", true },
    { u"D按钮", u"gree1", u"格力浏览器", u"\\web\\d.html", true },
    { u"qt按钮", u"gree1", u"格力浏览器", u"\\web\\qt.html", true },
    { u"格力价格", u"gree1", u"格力浏览器", u"\\web\\greeprice.html", false },
    { u"mdvs整体按钮", u"meidi1", u"美的浏览器", u"\\web\\mdvsi.html", true },
    { u"mdvs组合按钮", u"meidi1", u"美的浏览器", u"\\web\\mdvs.html", true },
    { u"侧出风按钮", u"meidi1", u"美的浏览器", u"\\web\\cechu.html", true },
    { u"美的价格", u"meidi1", u"美的浏览器", u"\\web\\meidiprice.html", false },
    { u"奥克斯X7按钮", u"aux1", u"奥克斯浏览器", u"\\web\\aux7.html", true },
    { u"CE小多联按钮", u"aux1", u"奥克斯浏览器", u"\\web\\auxce.html", true },
    { u"奥克斯轻商", u"aux1", u"奥克斯浏览器", u"\\web\\auxqs.html", true },
    { u"奥克斯其他按钮", u"aux1", u"奥克斯浏览器", u"\\web\\auxqt.html", true },
    { u"奥克斯价格", u"aux1", u"奥克斯浏览器", u"\\web\\auxprice.html", false },
    { u"CMVX按钮", u"chigo1", u"志高浏览器", u"\\web\\cmvx.html", true },
    { u"CMV按钮", u"chigo1", u"志高浏览器", u"\\web\\cmv.html", true },
    { u"qingshang按钮", u"chigo1", u"志高浏览器", u"\\web\\qingshang.html", true },
    { u"chigohome按钮", u"chigo1", u"志高浏览器", u"\\web\\chigohome.html", false },
    { u"志高价格", u"chigo1", u"志高浏览器", u"\\web\\chigoprice.html", false },
};

const QString kMainTab = QStringLiteral("高级选择夹1");
const QString kBrandTab = QStringLiteral("空调选型选择夹");

QString Text(const char16_t *text)
{
    return QString::fromUtf16(text);
}

QUrl ProgramPage(const QString &path)
{
    return PageLocation(platform::ProgramDirectory(), path);
}

} // namespace

class NavigationTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<testing::DesktopBrowser> m_desktop;
    testing::RecordingEngine m_engine;

    PageTab *tab(const QString &name) const { return m_window->control<PageTab>(name); }
    GraphicButton *button(const QString &name) const { return m_window->control<GraphicButton>(name); }

    void click(const QString &name)
    {
        QWidget *control = m_window->control(name);
        QVERIFY2(control && control->isVisible(), qPrintable(name));
        QTest::mouseClick(control, Qt::LeftButton);
    }

    void clickHeader(const QString &tabName, int page)
    {
        PageTab *pages = tab(tabName);
        QTest::mouseClick(pages, Qt::LeftButton, {}, pages->headerRect(page).center());
    }

    QStringList navigationImages() const
    {
        QStringList images;
        for (const Entry &entry : kEntries)
            images << button(Text(entry.button))->image(GraphicButton::Normal)
                   << button(Text(entry.button))->image(GraphicButton::Hover);
        return images;
    }

private Q_SLOTS:
    void initTestCase() { SetBrowserEngineForTesting(&m_engine); }
    void cleanupTestCase() { SetBrowserEngineForTesting(nullptr); }

    void init()
    {
        m_desktop = std::make_unique<testing::DesktopBrowser>();
        m_window = testing::ShowProgramWindow();
        QVERIFY(m_window);
        QTest::mouseMove(m_window.get(), QPoint(600, 20));
    }

    void cleanup()
    {
        m_window.reset();
        m_desktop.reset();
        m_engine.loads.clear();
    }

    // The navigation column.

    void atStartNoEntryLooksSelected()
    {
        for (const Entry &entry : kEntries)
            QCOMPARE(button(Text(entry.button))->image(GraphicButton::Normal), QLatin1String(entry.normal));
    }

    void entryClickSelectsItAndShowsItsPage_data()
    {
        QTest::addColumn<int>("entry");
        for (int entry = 0; entry < 6; ++entry)
            QTest::newRow(QString::fromUtf16(kEntries[entry].button).toUtf8().constData()) << entry;
    }

    void entryClickSelectsItAndShowsItsPage()
    {
        QFETCH(int, entry);
        const Entry &clicked = kEntries[entry];
        click(QStringLiteral("水管选择按钮"));
        click(QStringLiteral("关于软件按钮"));

        click(Text(clicked.button));

        QCOMPARE(tab(kMainTab)->currentPage(), clicked.page);
        for (const Entry &other : kEntries) {
            const char *expected = &other == &clicked ? other.selected : other.unselected;
            QCOMPARE(button(Text(other.button))->image(GraphicButton::Normal), QLatin1String(expected));
            // The hover image is never replaced.
            QCOMPARE(button(Text(other.button))->image(GraphicButton::Hover), QLatin1String(other.hover));
        }
        // Still under the pointer, the entry shows its new image at once.
        QCOMPARE(
            button(Text(clicked.button))->property("shownImage").toString(), QLatin1String(clicked.selected));
        QTRY_COMPARE(DifferentPixels(OnScreen(button(Text(clicked.button))),
                         assets::LoadImage(clicked.selected).copy(0, 0, 210, 55)),
            0);
    }

    // What each entry's handler does, in order, as seen from outside: each page turn and each load,
    // with whether the entry's own image had been swapped yet.
    void entryStepsHappenInOrder_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("steps");
        const QString load = QStringLiteral("load, unselected");
        QTest::newRow("refrigerant") << 0 << QStringList{"main 1, selected"};
        QTest::newRow("copper") << 1 << QStringList{"load, unselected", "main 2, selected"};
        QTest::newRow("drain pipe") << 2 << QStringList{"main 3, selected"};
        QTest::newRow("vent") << 3 << QStringList{"main 4, selected"};
        QTest::newRow("selection") << 4
                                   << QStringList{"main 5, unselected", "brand 0, unselected", load, load, load,
                                                  load, load};
        QTest::newRow("about") << 5 << QStringList{"main 6, unselected"};
    }

    void entryStepsHappenInOrder()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, steps);
        const Entry &clicked = kEntries[entry];
        tab(kBrandTab)->setCurrentPage(2);
        QStringList seen;
        auto record = [&](const QString &step) {
            const bool selected =
                button(Text(clicked.button))->image(GraphicButton::Normal) == QLatin1String(clicked.selected);
            seen << step + (selected ? u", selected"_qs : u", unselected"_qs);
        };
        QObject context;
        connect(tab(kMainTab), &PageTab::currentPageChanged, &context,
                [&](int page) { record(u"main %1"_qs.arg(page)); });
        connect(tab(kBrandTab), &PageTab::currentPageChanged, &context,
                [&](int page) { record(u"brand %1"_qs.arg(page)); });
        for (BrowserHost *browser : m_window->findChildren<BrowserHost *>())
            connect(browser, &BrowserHost::loadRequested, &context, [&] { record(u"load"_qs); });

        click(Text(clicked.button));

        QCOMPARE(seen, steps);
    }

    void logoDoubleClickShowsTheStartPageAndKeepsTheImages()
    {
        click(QStringLiteral("风口价格按钮"));
        const QStringList images = navigationImages();
        const QPoint position = m_window->pos();

        QTest::mouseDClick(m_window->control(QStringLiteral("tools")), Qt::LeftButton);

        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QCOMPARE(m_window->pos(), position);
        QCOMPARE(navigationImages(), images);
        QCOMPARE(
            button(QStringLiteral("风口价格按钮"))->image(GraphicButton::Normal), QStringLiteral("img010"));
    }

    void selectionEntryResetsTheBrandTabAndReloadsTheStartPages()
    {
        QList<QPair<QString, QUrl>> startLoads;
        for (const auto &[browser, path] : kStartPages)
            startLoads.append({ browser, ProgramPage(path) });

        click(QStringLiteral("空调选型按钮"));
        QCOMPARE(m_engine.loads, startLoads);
        click(QStringLiteral("gree1"));
        click(QStringLiteral("GMV5按钮"));
        QCOMPARE(tab(kBrandTab)->currentPage(), 2);
        QCOMPARE(m_engine.loads.last().second, ProgramPage(QStringLiteral("\\web\\gmv5.html")));
        m_engine.loads.clear();

        click(QStringLiteral("空调选型按钮"));

        QCOMPARE(tab(kMainTab)->currentPage(), 5);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);
        QCOMPARE(m_engine.loads, startLoads);
    }

    void copperEntryLoadsTheQuotationOnEveryClick()
    {
        click(QStringLiteral("铜管价格按钮"));
        click(QStringLiteral("铜管价格按钮"));

        QCOMPARE(m_engine.loads.size(), 2);
        for (const auto &[browser, url] : m_engine.loads) {
            QCOMPARE(browser, QStringLiteral("今日铜价浏览"));
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QCOMPARE(url.path(), QStringLiteral("/futures/quotes/CU0.shtml"));
            QVERIFY(!url.host().isEmpty());
        }
        QCOMPARE(tab(kMainTab)->currentPage(), 2);
    }

    // Page headers.

    void headerClickChangesThePageOnly_data()
    {
        QTest::addColumn<QString>("tabName");
        QTest::addColumn<int>("page");
        for (int page : { 0, 2, 3, 4, 5, 6 })
            QTest::addRow("header of page %d", page) << kMainTab << page;
        for (int page = 1; page < 6; ++page)
            QTest::addRow("header of brand page %d", page) << kBrandTab << page;
    }

    void headerClickChangesThePageOnly()
    {
        QFETCH(QString, tabName);
        QFETCH(int, page);
        click(QStringLiteral("加氟计算按钮"));
        const QStringList images = navigationImages();
        if (tabName == kBrandTab)
            clickHeader(kMainTab, 5);

        clickHeader(tabName, page);

        QCOMPARE(tab(kMainTab)->currentPage(), tabName == kMainTab ? page : 5);
        QCOMPARE(tab(kBrandTab)->currentPage(), tabName == kBrandTab ? page : 0);
        QCOMPARE(navigationImages(), images);
        QVERIFY(m_engine.loads.isEmpty());
    }

    void pageButtonLoadsItsPage_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kPageButtons)); ++row)
            QTest::newRow(Text(kPageButtons[row].button).toUtf8().constData()) << row;
    }

    void pageButtonLoadsItsPage()
    {
        QFETCH(int, row);
        const PageButton &expected = kPageButtons[row];
        const QPair<QString, QUrl> load { Text(expected.browser), ProgramPage(Text(expected.path)) };
        if (!expected.visible) {
            // Nobody can click it, so the table must tell where it would go.
            QVERIFY(button(Text(expected.button))->isHidden());
            QCOMPARE(BrandPageButtons().size(), std::size(kPageButtons));
            const auto found = std::find_if(BrandPageButtons().begin(), BrandPageButtons().end(),
                [&](const BrandPageButton &r) { return Text(r.button) == Text(expected.button); });
            QVERIFY(found != BrandPageButtons().end());
            QCOMPARE((QPair<QString, QUrl> { Text(found->browser), ProgramPage(Text(found->path)) }), load);
            return;
        }
        click(QStringLiteral("空调选型按钮"));
        m_engine.loads.clear();
        // The brand choice shows the brand's page and loads nothing, neither when chosen again.
        click(Text(expected.choice));
        clickHeader(kBrandTab, 0);
        click(Text(expected.choice));
        QVERIFY(m_window->control(load.first)->isVisible());
        QVERIFY(m_engine.loads.isEmpty());

        click(Text(expected.button));
        QCOMPARE(m_engine.loads, QList { load });
        QCOMPARE(m_window->control<BrowserHost>(load.first)->address(), load.second);
        click(Text(expected.button));
        QCOMPARE(m_engine.loads, (QList { load, load }));
    }

    void pageLocationKeepsTheWholeDirectory_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("spaces") << QStringLiteral("/home/user/My Tools/Kalmoro 1.0");
        QTest::newRow("hash and percent") << QStringLiteral("/srv/C# tools/100% done/a%20b");
        QTest::newRow("Chinese") << QStringLiteral("/home/用户/中央空调工具箱");
        QTest::newRow("backslash") << QStringLiteral("/opt/back\\slash/a\\b");
        QTest::newRow("all together") << QStringLiteral("/tmp/x\\y z/C# 50%/工具 箱");
        QString longBase;
        for (int level = 0; level < 12; ++level)
            longBase += QStringLiteral("/第%1层很长的文件夹名称").arg(level);
        QVERIFY(longBase.toUtf8().size() > 260);
        QTest::newRow("longer than 260 bytes") << longBase;
        QTest::newRow("empty") << QString();
    }

    void pageLocationKeepsTheWholeDirectory()
    {
        QFETCH(QString, base);
        const QUrl location = PageLocation(base, QStringLiteral("\\web\\x7.html"));
        QVERIFY(location.isValid());
        QVERIFY(location.isLocalFile());
        QCOMPARE(location.toLocalFile(), base + QStringLiteral("/web/x7.html"));
    }

    // The keyboard.

    void tabWalksEachCalculatorPageAsItIsFilled_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("order");
        QStringList copper { QStringLiteral("编辑框0") };
        for (int column = 1; column <= 2; ++column) {
            for (int row = 0; row < 13; ++row)
                copper << QStringLiteral("编辑框%1").arg(2 * row + column);
        }
        // The radio group is one stop; the boxes the program fills follow the inputs of their part.
        QTest::newRow("refrigerant")
            << QStringLiteral("加氟计算按钮")
            << QStringList { "格力加氟", "室内机台数", "室内机总量", "配比率", "外机加氟", "六", "十", "十二",
                   "十六", "十九", "二十二", "二十五", "二十八", "内机加氟" };
        QTest::newRow("copper") << QStringLiteral("铜管价格按钮") << copper;
        QTest::newRow("vent") << QStringLiteral("风口价格按钮")
                              << QStringList { "出风长", "出风宽", "回风长", "回风宽" };
    }

    void tabWalksEachCalculatorPageAsItIsFilled()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, order);
        click(entry);
        const auto walk = [this](Qt::Key key, qsizetype stops) {
            const auto focused = [this] {
                return m_window->focusWidget() ? m_window->focusWidget()->objectName() : QString();
            };
            QStringList stopped { focused() };
            const Qt::KeyboardModifiers shift = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            while (stopped.size() < stops && m_window->focusWidget()) {
                QTest::keyClick(m_window->focusWidget(), key, shift);
                stopped << focused();
            }
            return stopped;
        };

        QCOMPARE(walk(Qt::Key_Tab, order.size()), order);
        std::reverse(order.begin(), order.end());
        QCOMPARE(walk(Qt::Key_Backtab, order.size()), order);
    }

    void arrowKeysMoveWithinTheRadioGroup()
    {
        click(QStringLiteral("加氟计算按钮"));
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Down);
        QWidget *radio = m_window->focusWidget();
        QVERIFY(qobject_cast<QRadioButton *>(radio));
        QVERIFY(radio->objectName() != QStringLiteral("格力加氟"));
        QTest::keyClick(radio, Qt::Key_Tab);
        QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("室内机台数"));
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(m_window->focusWidget(), radio);
    }

    void altDigitRunsTheEntrysHandler_data() { entryClickSelectsItAndShowsItsPage_data(); }

    void altDigitRunsTheEntrysHandler()
    {
        QFETCH(int, entry);
        // From an edit box too: none of them takes Alt with a digit.
        click(QStringLiteral("铜管价格按钮"));
        m_engine.loads.clear();
        const QString digit = QString::number(entry + 1);

        QTest::keyClick(m_window->focusWidget(), Qt::Key(Qt::Key_1 + entry), Qt::AltModifier);

        QCOMPARE(tab(kMainTab)->currentPage(), kEntries[entry].page);
        QCOMPARE(button(Text(kEntries[entry].button))->image(GraphicButton::Normal),
            QLatin1String(kEntries[entry].selected));
        QCOMPARE(m_engine.loads.size(), entry == 1 ? 1 : entry == 4 ? 5 : 0);
        QVERIFY(button(Text(kEntries[entry].button))->accessibleDescription().endsWith(u"Alt+"_qs + digit));
    }

    // The maker's page.

    // The version label opens it on a left press, once also for a double click; the logo on a click.
    void makerPageOpens()
    {
        QWidget *label = m_window->control(QStringLiteral("透明标签5"));
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QTest::mouseRelease(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 2);

        click(QStringLiteral("关于软件按钮"));
        QWidget *logo = m_window->control(QStringLiteral("Lumavo按钮"));
        QTest::mousePress(logo, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 2);
        QTest::mouseRelease(logo, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 3);
        QCOMPARE(tab(kMainTab)->currentPage(), 6);
        for (const QUrl &url : m_desktop->opened) {
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QCOMPARE(url.path(), QStringLiteral("/soft/yc"));
            QCOMPARE(url, m_desktop->opened.first());
        }
        QVERIFY(m_engine.loads.isEmpty());
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
