#include <QAccessible>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "catalogue.h"
#include "images.h"
#include "layoutnotes.h"
#include "pages/registry.h"
#include "pages/selectionpage.h"
#include "platform.h"
#include "shelltesting.h"
#include "widgets/browserhost.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"

using namespace kalmoro;
using kalmoro::testing::DifferentPixels;
using kalmoro::testing::OnScreen;
using kalmoro::testing::Text;

namespace {

// The navigation entries as the pages declare them, top to bottom.
QList<PageEntry> Declared()
{
    QList<PageEntry> entries;
    for (const PageUnit &unit : PageUnits()) {
        if (unit.entry)
            entries << *unit.entry;
    }
    return entries;
}

QStringList EntryNames()
{
    QStringList names;
    for (const PageEntry &entry : Declared())
        names << Text(entry.button);
    return names;
}

const QStringList kEntries = EntryNames();
const QString kMainTab = Text(layoutnotes::kMainTab);
const QString kBrandTab = Text(brandnames::kBrandTab);

QUrl ProgramPage(const QString &path)
{
    return PageLocation(platform::ProgramDirectory(), path);
}

using Faces = QList<std::optional<assets::Asset>>;

// The words a picture shows, as the catalogue describes it.
QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Words(std::optional<assets::Asset> image)
{
    return image ? Utf8(assets::Info(*image).words) : QString();
}

QString FileName(std::optional<assets::Asset> image)
{
    return image ? Utf8(assets::Info(*image).name) : QString();
}

// Where a page of the page folder lies and the title it gives itself; an empty title when the page is
// elsewhere or missing.
QString PageTitle(const QUrl &url)
{
    const QString folder = platform::ProgramDirectory() + QStringLiteral("/web/");
    QFile file(url.toLocalFile());
    if (!url.isLocalFile() || !file.fileName().startsWith(folder) || !file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(QString::fromUtf8(file.readAll())).captured(1);
}

} // namespace

class NavigationTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<testing::DesktopBrowser> m_desktop;
    testing::RecordingEngine m_engine;
    QStringList m_messages;

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

    Faces images(GraphicButton::Slot slot) const
    {
        Faces images;
        for (const QString &entry : kEntries)
            images << button(entry)->image(slot);
        return images;
    }

    Faces navigationImages() const { return images(GraphicButton::Normal) + images(GraphicButton::Hover); }

private Q_SLOTS:

    void init()
    {
        m_desktop = std::make_unique<testing::DesktopBrowser>();
        Services services;
        services.browserEngine = [this] { return &m_engine; };
        services.showMessage = [this](const QString &text) { m_messages << text; };
        m_window = testing::ShowProgramWindow(std::move(services));
        QVERIFY(m_window);
        QTest::mouseMove(m_window.get(), QPoint(600, 20));
    }

    void cleanup()
    {
        m_window.reset();
        m_desktop.reset();
        m_engine.loads.clear();
        m_messages.clear();
    }

    // The navigation column.

    // Each entry shows its selected picture once clicked and its unselected one while another entry
    // is: after a click on one entry, every other entry shows the picture any other click gives it.
    // Every picture of an entry, and the title of the page it turns to, carry the entry's words.
    void entryClickSelectsItAndUnselectsTheOthers()
    {
        const Faces start = images(GraphicButton::Normal);
        const Faces hover = images(GraphicButton::Hover);
        QList<Faces> after; // after[clicked][entry]
        QList<int> pages;
        for (qsizetype entry = 0; entry < kEntries.size(); ++entry) {
            click(kEntries[entry]);
            after << images(GraphicButton::Normal);
            pages << tab(kMainTab)->currentPage();
            // Still under the pointer, the entry shows its new picture at once.
            const std::optional<assets::Asset> shown = after[entry][entry];
            QVERIFY(shown && button(kEntries[entry])->shownImage() == shown);
            QTRY_COMPARE(DifferentPixels(OnScreen(button(kEntries[entry])),
                             assets::LoadImage(*shown).copy(0, 0, 210, 55)),
                0);
        }
        QCOMPARE(images(GraphicButton::Hover), hover);

        for (qsizetype entry = 0; entry < kEntries.size(); ++entry) {
            const QString &name = kEntries[entry];
            const std::optional<assets::Asset> selected = after[entry][entry];
            const std::optional<assets::Asset> unselected = after[(entry + 1) % kEntries.size()][entry];
            QVERIFY2(selected != unselected && selected != start[entry], qPrintable(name));
            for (qsizetype clicked = 0; clicked < kEntries.size(); ++clicked) {
                const bool asAnyOther = clicked == entry || after[clicked][entry] == unselected;
                QVERIFY2(asAnyOther, qPrintable(kEntries[clicked] + u' ' + name));
            }
            const QString words = Words(start[entry]);
            QVERIFY2(!words.isEmpty(), qPrintable(name));
            for (const std::optional<assets::Asset> image : {selected, unselected, hover[entry]})
                QVERIFY2(Words(image) == words, qPrintable(name + u' ' + FileName(image)));
            QVERIFY2(pages[entry] > 0 && pages.count(pages[entry]) == 1, qPrintable(name));
            QVERIFY2(tab(kMainTab)->titles().value(pages[entry]).startsWith(words), qPrintable(name));
        }
    }

    void onlyTheEntryThatLooksSelectedReadsAsSelected_data()
    {
        QTest::addColumn<QList<int>>("clicked");
        QTest::newRow("before any navigation") << QList<int> {};
        for (qsizetype entry = 0; entry < kEntries.size(); ++entry) {
            const int next = int((entry + 1) % kEntries.size());
            QTest::newRow(qPrintable(kEntries[entry] + u" then "_qs + kEntries[next]))
                << QList {int(entry), next};
        }
    }

    // A screen reader hears "selected" on the entry that shows its selected picture and on no other:
    // on none before the first navigation, on the one chosen last whichever was chosen before.
    void onlyTheEntryThatLooksSelectedReadsAsSelected()
    {
        QFETCH(QList<int>, clicked);
        for (const int entry : clicked)
            click(kEntries[entry]);

        QList<int> looks;
        QList<int> reads;
        for (qsizetype entry = 0; entry < kEntries.size(); ++entry) {
            GraphicButton *shown = button(kEntries[entry]);
            if (shown->image(GraphicButton::Normal) == Declared()[entry].selected)
                looks << int(entry);
            if (QAccessible::queryAccessibleInterface(shown)->state().selected)
                reads << int(entry);
        }
        QCOMPARE(reads, looks);
        QCOMPARE(looks, clicked.isEmpty() ? QList<int> {} : QList {clicked.last()});
    }

    // What each entry's handler does, in order, as seen from outside: each page turn and each load,
    // with whether the entry's own image had been swapped yet.
    void entryStepsHappenInOrder_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("steps");
        const QString load = QStringLiteral("load, unselected");
        QTest::newRow("refrigerant") << 0 << QStringList {"main 1, selected"};
        QTest::newRow("copper") << 1 << QStringList {"load, unselected", "main 2, selected"};
        QTest::newRow("drain pipe") << 2 << QStringList {"main 3, selected"};
        QTest::newRow("vent") << 3 << QStringList {"main 4, selected"};
        QTest::newRow("selection") << 4
                                   << QStringList {"main 5, unselected", "brand 0, unselected", load, load,
                                          load, load, load};
        QTest::newRow("about") << 5 << QStringList {"main 6, unselected"};
        QTest::newRow("pressure") << 6 << QStringList {"main 7, selected"};
    }

    void entryStepsHappenInOrder()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, steps);
        GraphicButton *clicked = button(kEntries[entry]);
        const std::optional<assets::Asset> before = clicked->image(GraphicButton::Normal);
        tab(kBrandTab)->setCurrentPage(2);
        QStringList seen;
        // Selected: the entry's own picture has been swapped.
        auto record = [&](const QString &step) {
            const bool selected = clicked->image(GraphicButton::Normal) != before;
            seen << step + (selected ? u", selected"_qs : u", unselected"_qs);
        };
        QObject context;
        connect(tab(kMainTab), &PageTab::currentPageChanged, &context,
            [&](int page) { record(u"main %1"_qs.arg(page)); });
        connect(tab(kBrandTab), &PageTab::currentPageChanged, &context,
            [&](int page) { record(u"brand %1"_qs.arg(page)); });
        for (BrowserHost *browser : m_window->findChildren<BrowserHost *>())
            connect(browser, &BrowserHost::loadRequested, &context, [&] { record(u"load"_qs); });

        click(kEntries[entry]);

        QCOMPARE(seen, steps);
    }

    // The brand tab's keys, pressed where the focus is: 1 to 5 on the brand choice, then the product
    // keys on the brand page, which press the brand's shown buttons in the table's order.
    void brandKeys_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("brandPage");
        QTest::addColumn<QString>("browser");
        QTest::addColumn<QString>("loaded"); // the last page loaded, under the web folder

        const QKeyCombination next(Qt::ControlModifier, Qt::Key_PageDown);
        const QKeyCombination previous(Qt::ControlModifier, Qt::Key_PageUp);
        const QKeyCombination start(Qt::AltModifier, Qt::Key_Home);
        using Keys = QList<QKeyCombination>;
        QTest::newRow("1 chooses Daikin") << Keys {Qt::Key_1} << 1 << u"大金浏览器"_qs << u"chigo0"_qs;
        QTest::newRow("next from the start page")
            << Keys {Qt::Key_1, next} << 1 << u"大金浏览器"_qs << u"x7"_qs;
        QTest::newRow("next twice") << Keys {Qt::Key_1, next, next} << 1 << u"大金浏览器"_qs << u"p"_qs;
        QTest::newRow("previous skips the hidden price button")
            << Keys {Qt::Key_1, previous} << 1 << u"大金浏览器"_qs << u"skyair"_qs;
        QTest::newRow("round from the last to the first")
            << Keys {Qt::Key_1, previous, next} << 1 << u"大金浏览器"_qs << u"x7"_qs;
        QTest::newRow("Alt+Home loads the start page")
            << Keys {Qt::Key_1, next, start} << 1 << u"大金浏览器"_qs << u"daikin0"_qs;
        QTest::newRow("5 chooses Chigo, whose last shown product comes first backwards")
            << Keys {Qt::Key_5, previous} << 5 << u"志高浏览器"_qs << u"qingshang"_qs;
        QTest::newRow("3 chooses Midea") << Keys {Qt::Key_3, next} << 3 << u"美的浏览器"_qs << u"mdvsi"_qs;
        QTest::newRow("digits choose nothing on a brand page")
            << Keys {Qt::Key_2, Qt::Key_4} << 2 << u"格力浏览器"_qs << u"chigo0"_qs;
    }

    void brandKeys()
    {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, brandPage);
        QFETCH(QString, browser);
        QFETCH(QString, loaded);

        click(kEntries[4]);
        for (const QKeyCombination key : keys) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : m_window.get(), key.key(), key.keyboardModifiers());
        }

        QCOMPARE(tab(kBrandTab)->currentPage(), brandPage);
        auto *host = m_window->control<BrowserHost>(browser);
        QVERIFY(host->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(m_engine.loads.last().second.fileName(), loaded + u".html"_qs);
    }

    // Ctrl+Shift+W on a brand page shows the user's page folder, made first; one that cannot be made
    // is named in a message.
    void pageFolderKey_data()
    {
        QTest::addColumn<QString>("dataHome"); // under the temporary folder, where "file" is a file
        QTest::addColumn<bool>("shown");
        QTest::newRow("made and shown") << "data" << true;
        QTest::newRow("cannot be made under a file") << "file/data" << false;
    }

    void pageFolderKey()
    {
        QFETCH(QString, dataHome);
        QFETCH(bool, shown);
        QTemporaryDir temporary;
        QFile file(temporary.filePath(u"file"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        const auto restored = qScopeGuard([&oldDataHome] { qputenv("XDG_DATA_HOME", oldDataHome); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(temporary.filePath(dataHome)));
        const QString folder = temporary.filePath(dataHome + u"/kalmoro/web"_qs);

        click(kEntries[4]);
        QTest::keyClick(m_window.get(), Qt::Key_1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);

        QCOMPARE(QFileInfo(folder).isDir(), shown);
        QCOMPARE(m_desktop->opened, shown ? QList<QUrl> {QUrl::fromLocalFile(folder)} : QList<QUrl>());
        QCOMPARE(m_messages, shown ? QStringList() : QStringList {u"无法创建页面文件夹：\n"_qs + folder});
    }

    void logoDoubleClickShowsTheStartPageAndKeepsTheImages()
    {
        click(QStringLiteral("风口价格按钮"));
        const Faces images = navigationImages();
        const QPoint position = m_window->pos();

        QTest::mouseDClick(m_window->control(QStringLiteral("tools")), Qt::LeftButton);

        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QCOMPARE(m_window->pos(), position);
        QCOMPARE(navigationImages(), images);
    }

    void selectionEntryResetsTheBrandTabAndReloadsTheStartPages()
    {
        QList<QPair<QString, QUrl>> startLoads;
        for (const BrandStartPage &start : BrandStartPages())
            startLoads.append({Text(start.browser), ProgramPage(Text(start.path))});

        click(QStringLiteral("空调选型按钮"));
        QCOMPARE(m_engine.loads, startLoads);
        // One start page into each brand's browser, a page of the folder that the brand titles.
        QStringList browsers;
        for (const auto &[browser, url] : m_engine.loads) {
            browsers << browser;
            const int page = tab(kBrandTab)->pageOf(m_window->control(browser));
            QVERIFY2(page > 0, qPrintable(browser));
            QVERIFY2(PageTitle(url).startsWith(tab(kBrandTab)->titles()[page]), qPrintable(url.toString()));
        }
        QCOMPARE(int(browsers.removeDuplicates()), 0);
        QCOMPARE(int(browsers.size()), tab(kBrandTab)->count() - 1);
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
        // Every page but the one the entry clicked first shows.
        for (const PageUnit &unit : PageUnits()) {
            if (unit.page != 1)
                QTest::addRow("header of page %d", unit.page) << kMainTab << unit.page;
        }
        for (int page = 1; page < 6; ++page)
            QTest::addRow("header of brand page %d", page) << kBrandTab << page;
    }

    void headerClickChangesThePageOnly()
    {
        QFETCH(QString, tabName);
        QFETCH(int, page);
        click(QStringLiteral("加氟计算按钮"));
        const Faces images = navigationImages();
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
        QTest::addColumn<QString>("choice");
        for (const std::u16string_view choice : {brandnames::kDaikinChoice, brandnames::kGreeChoice,
                 brandnames::kMideaChoice, brandnames::kAuxChoice, brandnames::kChigoChoice})
            QTest::newRow(Text(choice).toUtf8().constData()) << Text(choice);
    }

    // Each button the brand's page shows loads, on every click, a page of the folder that the brand
    // titles into the browser of the same brand page; no two load the same page.
    void pageButtonLoadsItsPage()
    {
        QFETCH(QString, choice);
        click(QStringLiteral("空调选型按钮"));
        m_engine.loads.clear();
        // The brand choice shows the brand's page and loads nothing, neither when chosen again.
        click(choice);
        const int page = tab(kBrandTab)->currentPage();
        QVERIFY(page > 0);
        clickHeader(kBrandTab, 0);
        click(choice);
        QCOMPARE(tab(kBrandTab)->currentPage(), page);
        QVERIFY(m_engine.loads.isEmpty());
        const QString brand = tab(kBrandTab)->titles()[page];
        QList<BrowserHost *> browsers;
        for (BrowserHost *browser : m_window->findChildren<BrowserHost *>())
            if (tab(kBrandTab)->pageOf(browser) == page)
                browsers << browser;
        QCOMPARE(browsers.size(), 1);
        QVERIFY(browsers.first()->isVisible());

        QSet<QUrl> loaded;
        int clicked = 0;
        for (GraphicButton *shown : m_window->findChildren<GraphicButton *>()) {
            if (tab(kBrandTab)->pageOf(shown) != page || !shown->isVisible())
                continue;
            m_engine.loads.clear();
            click(shown->objectName());
            QCOMPARE(m_engine.loads.size(), 1);
            const auto [browser, url] = m_engine.loads.first();
            QCOMPARE(browser, browsers.first()->objectName());
            QCOMPARE(browsers.first()->address(), url);
            QVERIFY2(PageTitle(url).startsWith(brand), qPrintable(url.toString()));
            loaded.insert(url);
            ++clicked;
            click(shown->objectName());
            QCOMPARE(m_engine.loads, (QList {m_engine.loads.first(), m_engine.loads.first()}));
        }
        QVERIFY(clicked > 0);
        QCOMPARE(int(loaded.size()), clicked);
    }

    // Nobody can click a hidden button, so the table must tell where each would go: a page of the
    // folder that its brand titles, into the browser of its own brand page, and no page twice.
    void everyPageButtonRowNamesItsBrandsPage()
    {
        QSet<QUrl> pages;
        for (const BrandPageButton &row : BrandPageButtons()) {
            const QUrl url = ProgramPage(Text(row.path));
            QVERIFY2(!pages.contains(url), qPrintable(url.toString()));
            pages.insert(url);
            const int page = tab(kBrandTab)->pageOf(button(Text(row.button)));
            QVERIFY2(page > 0, qPrintable(Text(row.button)));
            QCOMPARE(tab(kBrandTab)->pageOf(m_window->control(Text(row.browser))), page);
            QVERIFY2(PageTitle(url).startsWith(tab(kBrandTab)->titles()[page]), qPrintable(url.toString()));
        }
        for (const BrandStartPage &start : BrandStartPages())
            QVERIFY(!pages.contains(ProgramPage(Text(start.path))));
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
        QStringList copper {QStringLiteral("编辑框0")};
        for (int column = 1; column <= 2; ++column) {
            for (int row = 0; row < 13; ++row)
                copper << QStringLiteral("编辑框%1").arg(2 * row + column);
        }
        // The mode and the model are a stop each; the boxes the program fills follow the inputs of
        // their part.
        QTest::newRow("refrigerant") << QStringLiteral("加氟计算按钮")
                                     << QStringList {"格力加氟", "二百五", "室内机台数", "室内机总量",
                                            "配比率", "外机加氟", "六", "十", "十二", "十六", "十九",
                                            "二十二", "二十五", "二十八", "内机加氟"};
        QTest::newRow("copper") << QStringLiteral("铜管价格按钮") << copper;
        QTest::newRow("vent") << QStringLiteral("风口价格按钮")
                              << QStringList {"出风长", "出风宽", "回风长", "回风宽"};
        QTest::newRow("pressure") << QStringLiteral("冷媒压力按钮")
                                  << QStringList {"冷媒R410A", "单位MPa", "换算压力", "换算温度", "低压压力",
                                         "吸气管温度", "高压压力", "液管温度", "压力温度表"};
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
            QStringList stopped {focused()};
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

    void altDigitRunsTheEntrysHandler_data()
    {
        QTest::addColumn<int>("entry");
        for (int entry = 0; entry < int(kEntries.size()); ++entry)
            QTest::newRow(kEntries[entry].toUtf8().constData()) << entry;
    }

    // Alt with the entry's digit does what a click on it does: the click that follows changes nothing
    // and loads what the keys loaded.
    void altDigitRunsTheEntrysHandler()
    {
        QFETCH(int, entry);
        // From an edit box too: none of them takes Alt with a digit.
        click(QStringLiteral("铜管价格按钮"));
        m_engine.loads.clear();

        // Alt+1 for the top entry, and down the column.
        const int digit = Declared()[entry].altDigit;
        QCOMPARE(digit, entry + 1);
        QTest::keyClick(m_window->focusWidget(), Qt::Key(Qt::Key_0 + digit), Qt::AltModifier);

        const int page = tab(kMainTab)->currentPage();
        const Faces images = navigationImages();
        const auto loads = m_engine.loads;
        m_engine.loads.clear();
        click(kEntries[entry]);
        QCOMPARE(tab(kMainTab)->currentPage(), page);
        QCOMPARE(navigationImages(), images);
        QCOMPARE(m_engine.loads, loads);
        const QString keys = u"Alt+"_qs + QString::number(digit);
        QVERIFY(button(kEntries[entry])->accessibleDescription().endsWith(keys));
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
