#include "shelltesting.h"

#include <QSignalSpy>

#include "assets/images.h"
#include "pages/brandpages.h"
#include "shell/platform.h"
#include "shell/widgets/browserhost.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/pagetab.h"

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
        for (const Entry &entry : kEntries) {
            GraphicButton *entryButton = button(Text(entry.button));
            QCOMPARE(entryButton->image(GraphicButton::Normal), QLatin1String(entry.normal));
            QCOMPARE(entryButton->image(GraphicButton::Hover), QLatin1String(entry.hover));
            QCOMPARE(entryButton->image(GraphicButton::Pressed), QString());
            QTRY_COMPARE(
                DifferentPixels(OnScreen(entryButton), assets::LoadImage(entry.normal).copy(0, 0, 210, 55)),
                0);
        }
        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QVERIFY(m_engine.loads.isEmpty());
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
            QCOMPARE(button(Text(other.button))->image(GraphicButton::Hover), QLatin1String(other.hover));
        }
        // Still under the pointer, the entry shows its new image at once.
        QCOMPARE(
            button(Text(clicked.button))->property("shownImage").toString(), QLatin1String(clicked.selected));
        QTRY_COMPARE(DifferentPixels(OnScreen(button(Text(clicked.button))),
                         assets::LoadImage(clicked.selected).copy(0, 0, 210, 55)),
            0);
    }

    void hoverImageIsNeverReplaced()
    {
        click(QStringLiteral("风口价格按钮"));
        for (const Entry &entry : kEntries) {
            GraphicButton *entryButton = button(Text(entry.button));
            const QString normal = QLatin1String(entry.page == 4 ? entry.selected : entry.unselected);
            QTest::mouseMove(entryButton, QPoint(100, 20));
            QCOMPARE(entryButton->property("shownImage").toString(), QLatin1String(entry.hover));
            QTest::mouseMove(m_window.get(), QPoint(600, 20));
            QCOMPARE(entryButton->property("shownImage").toString(), normal);
        }
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
        QList<QSignalSpy *> spies;
        for (const auto &[browser, path] : kStartPages)
            spies.append(
                new QSignalSpy(m_window->control<BrowserHost>(browser), &BrowserHost::loadRequested));
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
        for (qsizetype i = 0; i < spies.size(); ++i) {
            QCOMPARE(spies[i]->size(), i == 0 ? 3 : 2);
            QCOMPARE(spies[i]->last().at(0).toUrl(), ProgramPage(kStartPages[i].second));
        }
        qDeleteAll(spies);
    }

    void copperEntryLoadsTheQuotationOnEveryClick()
    {
        auto *viewport = m_window->control<BrowserHost>(QStringLiteral("今日铜价浏览"));
        QSignalSpy requested(viewport, &BrowserHost::loadRequested);

        click(QStringLiteral("铜管价格按钮"));
        click(QStringLiteral("铜管价格按钮"));

        QCOMPARE(requested.size(), 2);
        for (const QList<QVariant> &load : requested) {
            const QUrl url = load.at(0).toUrl();
            QCOMPARE(url.scheme(), QStringLiteral("https"));
            QCOMPARE(url.path(), QStringLiteral("/futures/quotes/CU2007.shtml"));
            QVERIFY(!url.host().isEmpty());
        }
        QCOMPARE(m_engine.loads.size(), 2);
        QCOMPARE(tab(kMainTab)->currentPage(), 2);
    }

    // Page headers.

    void mainHeaderClickChangesThePageOnly_data()
    {
        QTest::addColumn<int>("page");
        for (int page : { 0, 2, 3, 4, 5, 6 })
            QTest::addRow("header of page %d", page) << page;
    }

    void mainHeaderClickChangesThePageOnly()
    {
        QFETCH(int, page);
        click(QStringLiteral("加氟计算按钮"));
        const QStringList images = navigationImages();

        clickHeader(kMainTab, page);

        QCOMPARE(tab(kMainTab)->currentPage(), page);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);
        QCOMPARE(navigationImages(), images);
        QVERIFY(m_engine.loads.isEmpty());
    }

    void brandHeaderClickChangesTheBrandPageOnly_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page < 6; ++page)
            QTest::addRow("header of brand page %d", page) << page;
    }

    void brandHeaderClickChangesTheBrandPageOnly()
    {
        QFETCH(int, page);
        click(QStringLiteral("关于软件按钮"));
        clickHeader(kMainTab, 5);
        const QStringList images = navigationImages();

        clickHeader(kBrandTab, page);
        QCOMPARE(tab(kBrandTab)->currentPage(), page);
        clickHeader(kBrandTab, 0);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);

        QCOMPARE(tab(kMainTab)->currentPage(), 5);
        QCOMPARE(navigationImages(), images);
        QVERIFY(m_engine.loads.isEmpty());
    }

    // The selection page.

    void brandChoiceSelectsTheBrandPageAndLoadsNothing_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("page");
        QTest::newRow("Daikin") << QStringLiteral("daikin1") << 1;
        QTest::newRow("Gree") << QStringLiteral("gree1") << 2;
        QTest::newRow("Midea") << QStringLiteral("meidi1") << 3;
        QTest::newRow("AUX") << QStringLiteral("aux1") << 4;
        QTest::newRow("Chigo") << QStringLiteral("chigo1") << 5;
    }

    void brandChoiceSelectsTheBrandPageAndLoadsNothing()
    {
        QFETCH(QString, choice);
        QFETCH(int, page);
        click(QStringLiteral("空调选型按钮"));
        m_engine.loads.clear();

        click(choice);
        QCOMPARE(tab(kBrandTab)->currentPage(), page);
        clickHeader(kBrandTab, 0);
        click(choice);

        QCOMPARE(tab(kBrandTab)->currentPage(), page);
        QCOMPARE(tab(kMainTab)->currentPage(), 5);
        QVERIFY(m_engine.loads.isEmpty());
    }

    void pageButtonLoadsItsPage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("browser");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("visible");
        struct Row {
            const char16_t *button, *choice, *browser, *path;
            bool visible;
        };
        const Row rows[] = {
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
        for (const Row &row : rows)
            QTest::newRow(Text(row.button).toUtf8().constData())
                << Text(row.button) << Text(row.choice) << Text(row.browser) << Text(row.path) << row.visible;
    }

    void pageButtonLoadsItsPage()
    {
        QFETCH(QString, button);
        QFETCH(QString, choice);
        QFETCH(QString, browser);
        QFETCH(QString, path);
        QFETCH(bool, visible);
        QCOMPARE(BrandPageButtons().size(), size_t(26));
        const auto row = std::find_if(BrandPageButtons().begin(), BrandPageButtons().end(),
            [&button](const BrandPageButton &r) { return Text(r.button) == button; });
        QVERIFY(row != BrandPageButtons().end());
        QCOMPARE(Text(row->browser), browser);
        QCOMPARE(Text(row->path), path);
        if (!visible) {
            QVERIFY(this->button(button)->isHidden());
            return;
        }
        click(QStringLiteral("空调选型按钮"));
        click(choice);
        m_engine.loads.clear();
        const auto *brandBrowser = m_window->control<BrowserHost>(browser);

        click(button);
        QCOMPARE(m_engine.loads, (QList<QPair<QString, QUrl>> { { browser, ProgramPage(path) } }));
        QCOMPARE(brandBrowser->address(), ProgramPage(path));
        click(button);
        QCOMPARE(m_engine.loads.size(), 2);
        QCOMPARE(m_engine.loads.last(), (QPair<QString, QUrl> { browser, ProgramPage(path) }));
    }

    void pageLocationKeepsTheWholeDirectory_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << QStringLiteral("/opt/kalmoro");
        QTest::newRow("spaces") << QStringLiteral("/home/user/My Tools/Kalmoro 1.0");
        QTest::newRow("hash and percent") << QStringLiteral("/srv/C# tools/100% done/a%20b");
        QTest::newRow("Chinese") << QStringLiteral("/home/用户/中央空调工具箱");
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

    // The maker's page.

    void versionLabelOpensTheMakerPageOnTheLeftPress()
    {
        QWidget *label = m_window->control(QStringLiteral("透明标签5"));
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QCOMPARE(m_desktop->opened.first().scheme(), QStringLiteral("https"));
        QCOMPARE(m_desktop->opened.first().path(), QStringLiteral("/soft/yc"));

        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 2);
        QCOMPARE(m_desktop->opened.last(), m_desktop->opened.first());
        QVERIFY(m_engine.loads.isEmpty());
    }

    void makerLogoButtonOpensTheMakerPageOnClick()
    {
        click(QStringLiteral("关于软件按钮"));
        QWidget *logo = m_window->control(QStringLiteral("Lumavo按钮"));
        QTest::mousePress(logo, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 0);
        QTest::mouseRelease(logo, Qt::LeftButton);
        QCOMPARE(m_desktop->opened.size(), 1);
        QCOMPARE(m_desktop->opened.first().scheme(), QStringLiteral("https"));
        QCOMPARE(m_desktop->opened.first().path(), QStringLiteral("/soft/yc"));
        QCOMPARE(tab(kMainTab)->currentPage(), 6);
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
