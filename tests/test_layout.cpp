#include "shelltesting.h"

#include <QSignalSpy>

#include "shell/layout.h"
#include "shell/widgets/browserhost.h"
#include "shell/widgets/editbox.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/groupbox.h"
#include "shell/widgets/pagetab.h"
#include "shell/widgets/picturebox.h"
#include "shell/widgets/radiobutton.h"
#include "shell/widgets/transparentlabel.h"

using namespace kalmoro;

namespace {

const QString kMainTab = QStringLiteral("高级选择夹1");
const QString kBrandTab = QStringLiteral("空调选型选择夹");

QString Name(std::u16string_view name)
{
    return QString::fromUtf16(name.data(), qsizetype(name.size()));
}

} // namespace

class LayoutTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    testing::RecordingEngine m_engine;

    PageTab *tab(const QString &name) const { return m_window->control<PageTab>(name); }

    // The widget that holds a container's controls: the window, a page of a tab, or a control.
    QWidget *container(const QString &name, int page) const
    {
        if (name.isEmpty())
            return m_window.get();
        if (PageTab *pages = tab(name))
            return pages->page(page);
        return m_window->control(name);
    }

private Q_SLOTS:
    void initTestCase() { SetBrowserEngineForTesting(&m_engine); }
    void cleanupTestCase() { SetBrowserEngineForTesting(nullptr); }

    void init()
    {
        m_window = testing::ShowProgramWindow();
        QVERIFY(m_window);
    }

    void cleanup()
    {
        m_window.reset();
        m_engine.loads.clear();
    }

    void everyControlExistsOnceUnderItsName()
    {
        QCOMPARE(MainLayout().size(), size_t(166));
        QSet<QString> layoutNames;
        for (const LayoutRow &row : MainLayout())
            layoutNames.insert(Name(row.name));
        QCOMPARE(layoutNames.size(), 166);

        QSet<QString> builtNames;
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty())
                continue;
            QVERIFY2(!builtNames.contains(widget->objectName()), qPrintable(widget->objectName()));
            builtNames.insert(widget->objectName());
        }
        QCOMPARE(builtNames, layoutNames);
    }

    void everyControlHasTheParentOfItsRow()
    {
        for (const LayoutRow &row : MainLayout()) {
            QWidget *control = m_window->control(Name(row.name));
            QWidget *parent = container(Name(row.parent.name), row.parent.page);
            QVERIFY2(control && parent, qPrintable(Name(row.name)));
            QVERIFY2(control->parentWidget() == parent, qPrintable(Name(row.name)));
        }
    }

    void containersHoldTheirControls_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("controls");
        QTest::newRow("main window") << QString() << -1 << 13;
        const int mainPages[] = { 1, 53, 31, 1, 9, 1, 6 };
        for (int page = 0; page < 7; ++page)
            QTest::addRow("main tab page %d", page) << kMainTab << page << mainPages[page];
        QTest::newRow("copper page picture") << QStringLiteral("图片框5") << -1 << 3;
        QTest::newRow("quotation frame") << QStringLiteral("分组框1") << -1 << 1;
        const int brandPages[] = { 6, 8, 10, 7, 8, 8 };
        for (int page = 0; page < 6; ++page)
            QTest::addRow("brand tab page %d", page) << kBrandTab << page << brandPages[page];
    }

    void containersHoldTheirControls()
    {
        QFETCH(QString, container);
        QFETCH(int, page);
        QFETCH(int, controls);
        QWidget *holder = this->container(container, page);
        QVERIFY(holder);
        int named = 0;
        for (QWidget *child : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            named += !child->objectName().isEmpty();
        QCOMPARE(named, controls);
    }

    void controlsAreOfTheirKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("graphic buttons") << QStringLiteral("kalmoro::GraphicButton") << 48;
        QTest::newRow("transparent labels") << QStringLiteral("kalmoro::TransparentLabel") << 31;
        QTest::newRow("picture boxes") << QStringLiteral("kalmoro::PictureBox") << 22;
        QTest::newRow("edit boxes") << QStringLiteral("kalmoro::EditBox") << 44;
        QTest::newRow("radio buttons") << QStringLiteral("kalmoro::RadioButton") << 12;
        QTest::newRow("group boxes") << QStringLiteral("kalmoro::GroupBox") << 1;
        QTest::newRow("page tabs") << QStringLiteral("kalmoro::PageTab") << 2;
        QTest::newRow("browsers") << QStringLiteral("kalmoro::BrowserHost") << 6;
    }

    void controlsAreOfTheirKind()
    {
        QFETCH(QString, kind);
        QFETCH(int, count);
        int found = 0;
        for (QWidget *widget : m_window->findChildren<QWidget *>())
            found += !widget->objectName().isEmpty()
                && QLatin1String(widget->metaObject()->className()) == kind;
        QCOMPARE(found, count);
    }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("main tab") << kMainTab << QRect(225, 103, 808, 546);
        QTest::newRow("brand tab") << kBrandTab << QRect(15, 1, 776, 541);
        QTest::newRow("close button") << QStringLiteral("销毁按钮") << QRect(1009, 26, 26, 26);
        QTest::newRow("first navigation button") << QStringLiteral("加氟计算按钮") << QRect(0, 128, 210, 55);
        QTest::newRow("last navigation button") << QStringLiteral("关于软件按钮") << QRect(0, 488, 210, 55);
        QTest::newRow("version label") << QStringLiteral("透明标签5") << QRect(911, 665, 145, 16);
        QTest::newRow("futures price box") << QStringLiteral("编辑框0") << QRect(242, 48, 88, 24);
        QTest::newRow("quotation browser") << QStringLiteral("今日铜价浏览") << QRect(-205, -377, 488, 528);
        QTest::newRow("Daikin browser") << QStringLiteral("大金浏览器") << QRect(-12, 120, 816, 432);
        QTest::newRow("Chigo strip") << QStringLiteral("遮挡3") << QRect(-4, 112, 784, 16);
        QTest::newRow("AUX product button") << QStringLiteral("CE小多联按钮") << QRect(120, 40, 86, 86);
        QTest::newRow("hidden price button") << QStringLiteral("格力价格") << QRect(505, 47, 46, 48);
    }

    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QWidget *widget = m_window->control(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void browsersShowOnlyWhatLiesInsideTheirFrame_data()
    {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<int>("mainPage");
        QTest::addColumn<int>("brandPage");
        QTest::addColumn<QRect>("visible");
        QTest::newRow("quotation viewport")
            << QStringLiteral("今日铜价浏览") << 2 << 0 << QRect(205, 377, 240, 151);
        QTest::newRow("Daikin browser") << QStringLiteral("大金浏览器") << 5 << 1 << QRect(12, 0, 776, 421);
        QTest::newRow("Chigo browser") << QStringLiteral("志高浏览器") << 5 << 5 << QRect(12, 0, 776, 421);
    }

    void browsersShowOnlyWhatLiesInsideTheirFrame()
    {
        QFETCH(QString, browser);
        QFETCH(int, mainPage);
        QFETCH(int, brandPage);
        QFETCH(QRect, visible);
        tab(kMainTab)->setCurrentPage(mainPage);
        tab(kBrandTab)->setCurrentPage(brandPage);
        QWidget *widget = m_window->control(browser);
        QVERIFY(widget->isVisible());
        QCOMPARE(widget->visibleRegion().boundingRect(), visible);
    }

    void frontControlOfAnOverlapGetsTheMouse_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("behind");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("total over its picture")
            << 1 << QStringLiteral("一共加氟") << QStringLiteral("图片框4") << QPoint(330, 500);
        QTest::newRow("indoor charge box over its caption")
            << 1 << QStringLiteral("内机加氟") << QStringLiteral("透明标签1") << QPoint(270, 430);
        QTest::newRow("outdoor caption over its box")
            << 1 << QStringLiteral("透明标签6") << QStringLiteral("外机加氟") << QPoint(270, 195);
        QTest::newRow("about text over the about picture")
            << 6 << QStringLiteral("透明标签25") << QStringLiteral("图片框6") << QPoint(200, 260);
    }

    void frontControlOfAnOverlapGetsTheMouse()
    {
        QFETCH(int, page);
        QFETCH(QString, front);
        QFETCH(QString, behind);
        QFETCH(QPoint, point);
        tab(kMainTab)->setCurrentPage(page);
        QWidget *frontWidget = m_window->control(front);
        QWidget *behindWidget = m_window->control(behind);
        QVERIFY(frontWidget->geometry().contains(point));
        QVERIFY(behindWidget->geometry().contains(point));
        QWidget *holder = tab(kMainTab)->page(page);
        QCOMPARE(holder->childAt(point), frontWidget);
        QCOMPARE(m_window->childAt(holder->mapTo(m_window.get(), point)), frontWidget);
    }

    void pagePicturesLieBehindEveryOtherControl_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("picture");
        QTest::newRow("copper page") << 2 << QStringLiteral("图片框5");
        QTest::newRow("vent page") << 4 << QStringLiteral("图片框2");
    }

    void pagePicturesLieBehindEveryOtherControl()
    {
        QFETCH(int, page);
        QFETCH(QString, picture);
        tab(kMainTab)->setCurrentPage(page);
        QWidget *holder = tab(kMainTab)->page(page);
        QWidget *background = m_window->control(picture);
        for (QWidget *control : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control == background)
                continue;
            const QPoint centre = control->geometry().center();
            QVERIFY2(holder->childAt(centre) != background, qPrintable(control->objectName()));
            QVERIFY2(holder->children().indexOf(control) > holder->children().indexOf(background),
                qPrintable(control->objectName()));
        }
    }

    void initialTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("about, maker")
            << QStringLiteral("透明标签21")
            << QStringLiteral(
                   "Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，");
        QTest::newRow("about, service")
            << QStringLiteral("透明标签23") << QStringLiteral("为广大网友及站长提供优质服务。");
        QTest::newRow("about, purpose")
            << QStringLiteral("透明标签24")
            << QStringLiteral("此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂");
        QTest::newRow("about, sources")
            << QStringLiteral("透明标签25")
            << QStringLiteral("家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。");
        QTest::newRow("version") << QStringLiteral("透明标签5") << QStringLiteral("Kalmoro V1.0");
        QTest::newRow("refrigerant total") << QStringLiteral("一共加氟") << QStringLiteral("0");
        QTest::newRow("copper total") << QStringLiteral("透明标签10") << QStringLiteral("铜管价格");
        QTest::newRow("copper hint") << QStringLiteral("透明标签20") << QStringLiteral("温馨提示：");
        QTest::newRow("pipe caption") << QStringLiteral("透明标签18") << QStringLiteral("冷媒液管Φ28.58");
        QTest::newRow("largest model") << QStringLiteral("九百") << QStringLiteral("GMV-900W/A");
        QTest::newRow("Gree top-up") << QStringLiteral("格力加氟") << QStringLiteral("格力多联机加氟");
    }

    void initialTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QWidget *widget = m_window->control(control);
        QVERIFY(widget);
        QCOMPARE(widget->property("text").toString(), text);
    }

    void editBoxesStartEmptyAndRadioButtonsUnchecked()
    {
        for (EditBox *edit : m_window->findChildren<EditBox *>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        for (RadioButton *radio : m_window->findChildren<RadioButton *>())
            QVERIFY2(!radio->isChecked(), qPrintable(radio->objectName()));
        for (BrowserHost *browser : m_window->findChildren<BrowserHost *>())
            QVERIFY2(browser->address().isEmpty(), qPrintable(browser->objectName()));
    }

    void onlyTheSixPriceAndHomeButtonsAreHidden()
    {
        const QSet<QString> hidden { QStringLiteral("chigohome按钮"), QStringLiteral("大金价格"),
            QStringLiteral("格力价格"), QStringLiteral("美的价格"), QStringLiteral("奥克斯价格"),
            QStringLiteral("志高价格") };
        for (const LayoutRow &row : MainLayout()) {
            const QString name = Name(row.name);
            QCOMPARE(m_window->control(name)->isHidden(), hidden.contains(name));
        }
    }

    void hiddenButtonsCannotBeClicked_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("brandPage");
        QTest::newRow("Daikin price") << QStringLiteral("大金价格") << 1;
        QTest::newRow("Gree price") << QStringLiteral("格力价格") << 2;
        QTest::newRow("Midea price") << QStringLiteral("美的价格") << 3;
        QTest::newRow("AUX price") << QStringLiteral("奥克斯价格") << 4;
        QTest::newRow("Chigo price") << QStringLiteral("志高价格") << 5;
        QTest::newRow("Chigo home") << QStringLiteral("chigohome按钮") << 5;
    }

    void hiddenButtonsCannotBeClicked()
    {
        QFETCH(QString, button);
        QFETCH(int, brandPage);
        tab(kMainTab)->setCurrentPage(5);
        tab(kBrandTab)->setCurrentPage(brandPage);
        auto *hidden = m_window->control<GraphicButton>(button);
        QVERIFY(hidden);
        QSignalSpy clicked(hidden, &GraphicButton::clicked);
        const QPoint place = hidden->mapTo(m_window.get(), hidden->rect().center());
        QVERIFY(m_window->childAt(place) != hidden);

        QTest::mouseClick(hidden, Qt::LeftButton);

        QCOMPARE(clicked.size(), 0);
        QVERIFY(m_engine.loads.isEmpty());
        QVERIFY(hidden->isHidden());
        QCOMPARE(tab(kBrandTab)->currentPage(), brandPage);
    }

    void startsOnTheStartPageAndTheBrandChoice()
    {
        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);
        QVERIFY(m_window->control(QStringLiteral("图片框3"))->isVisible());
        QVERIFY(!m_window->control(kBrandTab)->isVisible());
        for (int page = 1; page < 7; ++page)
            QVERIFY(!tab(kMainTab)->page(page)->isVisible());
        QCOMPARE(tab(kMainTab)->titles(),
            QStringList({ QStringLiteral("启动页"), QStringLiteral("加氟计算器"), QStringLiteral("铜管计算"),
                QStringLiteral("水管选择"), QStringLiteral("风口价格"), QStringLiteral("空调选型"),
                QStringLiteral("关于软件") }));
        QCOMPARE(tab(kBrandTab)->titles(),
            QStringList({ QStringLiteral("空调品牌选择"), QStringLiteral("大金"), QStringLiteral("格力"),
                QStringLiteral("美的"), QStringLiteral("奥克斯"), QStringLiteral("志高") }));
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
