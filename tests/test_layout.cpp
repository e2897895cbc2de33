#include <QSignalSpy>

#include "mainlayout.h"
#include "shelltesting.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"
#include "widgets/radiobutton.h"

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

    // Every row is built once, under its name, on the parent and page of its row.
    void everyControlExistsOnceOnItsParent()
    {
        QCOMPARE(MainLayout().size(), size_t(166));
        QSet<QString> layoutNames;
        for (const LayoutRow &row : MainLayout()) {
            layoutNames.insert(Name(row.name));
            QWidget *control = m_window->control(Name(row.name));
            QVERIFY2(control && control->parentWidget() == container(Name(row.parent.name), row.parent.page),
                qPrintable(Name(row.name)));
        }
        QCOMPARE(layoutNames.size(), 166);
        QStringList built;
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty())
                built << widget->objectName();
        }
        QCOMPARE(built.size(), 166);
        QCOMPARE(QSet<QString>(built.cbegin(), built.cend()), layoutNames);
    }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("mainPage");
        QTest::addColumn<int>("brandPage");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QRect>("visible"); // the part its parents leave visible
        QTest::newRow("main tab") << kMainTab << 0 << 0 << QRect(225, 103, 808, 546) << QRect(0, 0, 808, 546);
        QTest::newRow("close button")
            << u"销毁按钮"_qs << 0 << 0 << QRect(1009, 26, 26, 26) << QRect(0, 0, 26, 26);
        QTest::newRow("quotation viewport")
            << u"今日铜价浏览"_qs << 2 << 0 << QRect(-205, -377, 488, 528) << QRect(205, 377, 240, 151);
        QTest::newRow("Daikin browser")
            << u"大金浏览器"_qs << 5 << 1 << QRect(-12, 120, 816, 432) << QRect(12, 0, 776, 421);
    }

    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, control);
        QFETCH(int, mainPage);
        QFETCH(int, brandPage);
        QFETCH(QRect, geometry);
        QFETCH(QRect, visible);
        tab(kMainTab)->setCurrentPage(mainPage);
        tab(kBrandTab)->setCurrentPage(brandPage);
        QWidget *widget = m_window->control(control);
        QCOMPARE(widget->geometry(), geometry);
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
            << u"透明标签21"_qs
            << u"Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，"_qs;
        QTest::newRow("about, service") << u"透明标签23"_qs << u"为广大网友及站长提供优质服务。"_qs;
        QTest::newRow("about, purpose")
            << u"透明标签24"_qs
            << u"此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂"_qs;
        QTest::newRow("about, sources")
            << u"透明标签25"_qs
            << u"家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。"_qs;
        QTest::newRow("version") << u"透明标签5"_qs << u"Kalmoro V1.0"_qs;
    }

    void initialTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QWidget *widget = m_window->control(control);
        QVERIFY(widget);
        QCOMPARE(widget->property("text").toString(), text);
    }

    // Captions are sized for the program's Simplified Chinese face at 12 px.
    void captionsFitTheirLabelsOnOneLine_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("配比率：") << u"透明标签4"_qs;
        QTest::newRow("室内机总量：") << u"透明标签3"_qs;
        QTest::newRow("冷媒液管Φ28.58") << u"透明标签18"_qs;
        QTest::newRow("室内机所需氟利昂：") << u"透明标签1"_qs;
    }

    void captionsFitTheirLabelsOnOneLine()
    {
        QFETCH(QString, control);
        QWidget *label = m_window->control(control);
        QVERIFY(label);
        QVERIFY2(QFontInfo(label->font()).family().contains(u"CJK SC"_qs), qPrintable(QFontInfo(label->font()).family()));
        const QString caption = label->property("text").toString();
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width(), qPrintable(caption));
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

    // Hidden, with the brand page they stand on.
    void onlyTheSixPriceAndHomeButtonsAreHiddenAndCannotBeClicked()
    {
        const QHash<QString, int> hidden { { QStringLiteral("大金价格"), 1 },
            { QStringLiteral("格力价格"), 2 }, { QStringLiteral("美的价格"), 3 },
            { QStringLiteral("奥克斯价格"), 4 }, { QStringLiteral("志高价格"), 5 },
            { QStringLiteral("chigohome按钮"), 5 } };
        for (const LayoutRow &row : MainLayout())
            QCOMPARE(m_window->control(Name(row.name))->isHidden(), hidden.contains(Name(row.name)));

        tab(kMainTab)->setCurrentPage(5);
        for (auto entry = hidden.cbegin(); entry != hidden.cend(); ++entry) {
            tab(kBrandTab)->setCurrentPage(entry.value());
            auto *button = m_window->control<GraphicButton>(entry.key());
            QSignalSpy clicked(button, &GraphicButton::clicked);
            QVERIFY(m_window->childAt(button->mapTo(m_window.get(), button->rect().center())) != button);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(clicked.size(), 0);
            QVERIFY(button->isHidden());
            QCOMPARE(tab(kBrandTab)->currentPage(), entry.value());
        }
        QVERIFY(m_engine.loads.isEmpty());
    }

    void startsOnTheStartPageAndTheBrandChoice()
    {
        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);
        QVERIFY(m_window->control(QStringLiteral("图片框3"))->isVisible());
        QVERIFY(!m_window->control(kBrandTab)->isVisible());
        for (int page = 1; page < 7; ++page)
            QVERIFY(!tab(kMainTab)->page(page)->isVisible());
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
