#include <QSignalSpy>

#include "layoutnotes.h"
#include "mainlayout.h"
#include "pages/registry.h"
#include "pages/selectionpage.h"
#include "shelltesting.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"
#include "widgets/radiobutton.h"

using namespace kalmoro;
using kalmoro::testing::Text;

namespace {

const QString kMainTab = Text(layoutnotes::kMainTab);
const QString kBrandTab = Text(brandnames::kBrandTab);

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

    void init()
    {
        Services services;
        services.browserEngine = [this] { return &m_engine; };
        m_window = testing::ShowProgramWindow(std::move(services));
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
        QSet<QString> layoutNames;
        for (const LayoutRow &row : MainLayout()) {
            layoutNames.insert(Text(row.name));
            QWidget *control = m_window->control(Text(row.name));
            QVERIFY2(control && control->parentWidget() == container(Text(row.parent.name), row.parent.page),
                qPrintable(Text(row.name)));
        }
        QCOMPARE(size_t(layoutNames.size()), MainLayout().size());
        QStringList built;
        // Qt names the parts it builds inside a control (a table's viewport, its scroll bars) qt_….
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"_qs))
                built << widget->objectName();
        }
        QCOMPARE(size_t(built.size()), MainLayout().size());
        QCOMPARE(QSet<QString>(built.cbegin(), built.cend()), layoutNames);
    }

    // Every control has its row's place and size and shows its row's text, its page's turned or not.
    void controlsSitWhereTheLayoutPutsThem()
    {
        for (const LayoutRow &row : MainLayout()) {
            const QString name = Text(row.name);
            const QWidget *control = m_window->control(name);
            const Geometry &at = row.geometry;
            QVERIFY2(control->geometry() == QRect(at.left, at.top, at.width, at.height), qPrintable(name));
            if (!row.text.empty())
                QVERIFY2(control->property("text").toString() == Text(row.text), qPrintable(name));
        }
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

    // Captions are sized for the program's Simplified Chinese face: each fits its label on one line.
    void captionsFitTheirLabelsOnOneLine()
    {
        int captions = 0;
        for (const LayoutRow &row : MainLayout()) {
            if (row.kind != Kind::TransparentLabel || row.text.empty())
                continue;
            const QWidget *label = m_window->control(Text(row.name));
            const QString family = QFontInfo(label->font()).family();
            QVERIFY2(family.contains(u"CJK SC"_qs), qPrintable(Text(row.name) + u' ' + family));
            const QString caption = Text(row.text);
            const int advance = QFontMetrics(label->font()).horizontalAdvance(caption);
            QVERIFY2(advance <= label->width(), qPrintable(caption));
            ++captions;
        }
        QVERIFY(captions > 0);
    }

    void editBoxesStartEmptyAndRadioButtonsUnchecked()
    {
        for (EditBox *edit : m_window->findChildren<EditBox *>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        // Only the pressure page starts with a refrigerant and a unit chosen.
        QStringList checked;
        for (RadioButton *radio : m_window->findChildren<RadioButton *>()) {
            if (radio->isChecked())
                checked << radio->objectName();
        }
        checked.sort();
        QCOMPARE(checked, (QStringList {u"冷媒R410A"_qs, u"单位MPa"_qs}));
        for (BrowserHost *browser : m_window->findChildren<BrowserHost *>())
            QVERIFY2(browser->address().isEmpty(), qPrintable(browser->objectName()));
    }

    // What the layout hides stays hidden, the two price buttons the window hides as it is created
    // too; a hidden button cannot be clicked where it would stand on its brand page.
    void hiddenControlsCannotBeClicked()
    {
        const QSet<QString> hiddenOnCreation {Text(brandnames::kDaikinPrice), Text(brandnames::kGreePrice)};
        QList<GraphicButton *> hidden;
        for (const LayoutRow &row : MainLayout()) {
            QWidget *control = m_window->control(Text(row.name));
            const bool hides = !row.visible || hiddenOnCreation.contains(Text(row.name));
            QVERIFY2(control->isHidden() == hides, qPrintable(Text(row.name)));
            if (auto *button = qobject_cast<GraphicButton *>(control); button && hides)
                hidden << button;
        }
        QVERIFY(!hidden.isEmpty());

        tab(kMainTab)->setCurrentPage(5);
        for (GraphicButton *button : hidden) {
            const int page = tab(kBrandTab)->pageOf(button);
            QVERIFY2(page > 0, qPrintable(button->objectName()));
            tab(kBrandTab)->setCurrentPage(page);
            QSignalSpy clicked(button, &GraphicButton::clicked);
            QVERIFY(m_window->childAt(button->mapTo(m_window.get(), button->rect().center())) != button);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(clicked.size(), 0);
            QVERIFY(button->isHidden());
            QCOMPARE(tab(kBrandTab)->currentPage(), page);
        }
        QVERIFY(m_engine.loads.isEmpty());
    }

    void startsOnTheStartPageAndTheBrandChoice()
    {
        QCOMPARE(tab(kMainTab)->currentPage(), 0);
        QCOMPARE(tab(kBrandTab)->currentPage(), 0);
        QVERIFY(m_window->control(QStringLiteral("图片框3"))->isVisible());
        QVERIFY(!m_window->control(kBrandTab)->isVisible());
        for (const PageUnit &unit : PageUnits()) {
            if (unit.page != 0)
                QVERIFY2(!tab(kMainTab)->page(unit.page)->isVisible(), qPrintable(Text(unit.title)));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
