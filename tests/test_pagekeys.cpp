#include <QAccessible>
#include <QRadioButton>
#include <QTest>

#include "pagetesting.h"

using namespace kalmoro;

namespace {

struct Page {
    QString entry;
    int index;
};
const Page Refrigerant {u"加氟计算按钮"_qs, 1};
const Page Copper {u"铜管价格按钮"_qs, 2};
const Page Vent {u"风口价格按钮"_qs, 4};
const Page Pressure {u"冷媒压力按钮"_qs, 7};

} // namespace

Q_DECLARE_METATYPE(Page)

// The keys that finish a page, pressed where a user presses them: in the box the mouse put the
// focus in, or on the radio that the page and the arrows put it on.
class PageKeysTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_page.close(); }

    void finish_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QStringList>("steps"); // as PageDriver::run takes them
        QTest::addColumn<QString>("box"); // clicked into before the key
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QStringList>("shown"); // control=text after the key
        QTest::addColumn<QString>("resultName"); // the named result's accessible name after the key
        QTest::addColumn<QString>("told"); // the focused box's name after the key: what Orca speaks

        const QStringList outdoor {u"格力加氟"_qs, u"二百五"_qs, u"室内机总量=26.25"_qs, u"室内机台数=3"_qs};
        const QStringList pipes {u"六=10"_qs, u"十=10"_qs};
        const QKeyCombination enter(Qt::Key_Return);
        const QKeyCombination keypadEnter(Qt::KeypadModifier, Qt::Key_Enter);
        const QKeyCombination upToDate(Qt::ControlModifier, Qt::Key_Return);

        QTest::newRow("refrigerant: Enter in the outdoor part")
            << Refrigerant << outdoor << u"配比率"_qs << enter
            << QStringList {u"配比率=1.05"_qs, u"外机加氟=1"_qs, u"内机加氟="_qs} << u"所需加氟量"_qs
            << u"配比率 1.05，室外机所需氟利昂 1 KG"_qs;
        QTest::newRow("refrigerant: Enter in a pipe length")
            << Refrigerant << pipes << u"十"_qs << keypadEnter
            << QStringList {u"内机加氟=0.76"_qs, u"外机加氟="_qs, u"一共加氟=0"_qs} << u"所需加氟量"_qs
            << u"室内机所需氟利昂 0.76 KG"_qs;
        QTest::newRow("refrigerant: Enter in a charge gives the total")
            << Refrigerant << QStringList {u"外机加氟=2.5"_qs, u"内机加氟=0.76"_qs} << u"外机加氟"_qs << enter
            << QStringList {u"一共加氟=3.26"_qs} << u"所需加氟量 3.26 KG"_qs << u"所需加氟量 3.26 KG"_qs;
        QTest::newRow("refrigerant: Ctrl+Enter brings all up to date")
            << Refrigerant << outdoor + pipes << u"十"_qs << upToDate
            << QStringList {u"配比率=1.05"_qs, u"外机加氟=1"_qs, u"内机加氟=0.76"_qs, u"一共加氟=1.76"_qs}
            << u"所需加氟量 1.76 KG"_qs
            << u"配比率 1.05，室外机所需氟利昂 1 KG，室内机所需氟利昂 0.76 KG，所需加氟量 1.76 KG"_qs;
        const QStringList copper {u"编辑框0=60000"_qs, u"编辑框1=10"_qs};
        QTest::newRow("copper: Enter in a metres box")
            << Copper << copper << u"编辑框1"_qs << enter << QStringList {u"透明标签10=81.6"_qs}
            << u"铜管价格 81.6 元"_qs << u"铜管价格 81.6 元"_qs;
        QTest::newRow("copper: Enter in a price box")
            << Copper << copper << u"编辑框26"_qs << enter << QStringList {u"透明标签10=81.6"_qs}
            << u"铜管价格 81.6 元"_qs << u"铜管价格 81.6 元"_qs;
        QTest::newRow("copper: Ctrl+Enter computes and never clears")
            << Copper << copper << u"编辑框0"_qs << upToDate
            << QStringList {u"透明标签10=81.6"_qs, u"编辑框1=10"_qs} << u"铜管价格 81.6 元"_qs
            << u"铜管价格 81.6 元"_qs;
        QTest::newRow("copper: Ctrl+Shift+Delete clears")
            << Copper << copper + QStringList {u"超级按钮1"_qs} << u"编辑框1"_qs
            << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Delete)
            << QStringList {u"透明标签10=0"_qs, u"编辑框1="_qs, u"编辑框0=60000"_qs} << u"铜管价格 0 元"_qs
            << u"Φ6.35铜管 米"_qs;
        const QStringList vent {u"出风长=1"_qs, u"出风宽=0.2"_qs, u"回风长=3"_qs, u"回风宽=0.2"_qs};
        QTest::newRow("vent: Enter in the outlet")
            << Vent << vent << u"出风宽"_qs << enter
            << QStringList {u"出风口价格=47.52"_qs, u"回风口价格=回风口价格"_qs} << u"出风口价格 47.52 元"_qs
            << u"出风口价格 47.52 元"_qs;
        QTest::newRow("vent: Enter in the return vent")
            << Vent << vent << u"回风长"_qs << enter
            << QStringList {u"出风口价格=出风口价格"_qs, u"回风口价格=236.304"_qs} << u"出风口价格"_qs
            << u"回风口价格 236.304 元"_qs;
        QTest::newRow("vent: Ctrl+Enter prices both")
            << Vent << vent << u"出风长"_qs << upToDate
            << QStringList {u"出风口价格=47.52"_qs, u"回风口价格=236.304"_qs} << u"出风口价格 47.52 元"_qs
            << u"出风口价格 47.52 元，回风口价格 236.304 元"_qs;
    }

    void finish()
    {
        QFETCH(Page, page);
        QFETCH(QStringList, steps);
        QFETCH(QString, box);
        QFETCH(QKeyCombination, key);
        QFETCH(QStringList, shown);
        QFETCH(QString, resultName);
        QFETCH(QString, told);

        m_page.open(page.entry, page.index);
        m_page.run(steps);
        m_page.click(box);
        QCOMPARE(QApplication::focusWidget(), m_page.find(box));
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());

        for (const QString &expected : shown) {
            const QString name = expected.section(u'=', 0, 0);
            QCOMPARE(name + u'=' + m_page.text(name), expected);
        }
        const QString result = page.index == 1 ? u"一共加氟"_qs
            : page.index == 2                  ? u"透明标签10"_qs
                                               : u"出风口价格"_qs;
        QCOMPARE(
            QAccessible::queryAccessibleInterface(m_page.find(result))->text(QAccessible::Name), resultName);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), told);
        QCOMPARE(m_page.messages, QStringList());
    }

    // Showing the page puts the focus on the first radio, which nothing has checked yet. The arrows
    // move among the radios as in any exclusive group: from a checked radio they check the one they
    // reach, which runs its handler as a click does; from an unchecked one they only move the focus.
    void radios_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("checked"); // empty: none
        QTest::addColumn<bool>("outdoorPart");

        QTest::newRow("arrow from the unchecked first radio")
            << QList<int> {Qt::Key_Right} << QString() << true;
        QTest::newRow("Enter on the radio reached")
            << QList<int> {Qt::Key_Right, Qt::Key_Return} << u"其他加氟"_qs << false;
        QTest::newRow("Space on the radio reached")
            << QList<int> {Qt::Key_Right, Qt::Key_Space} << u"其他加氟"_qs << false;
        QTest::newRow("arrow from checked Gree onto other brands")
            << QList<int> {Qt::Key_Space, Qt::Key_Right} << u"其他加氟"_qs << false;
        QTest::newRow("arrow from other brands back onto Gree")
            << QList<int> {Qt::Key_Right, Qt::Key_Return, Qt::Key_Left} << u"格力加氟"_qs << true;
    }

    void radios()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, checked);
        QFETCH(bool, outdoorPart);

        m_page.open(Refrigerant.entry, Refrigerant.index);
        QCOMPARE(QApplication::focusWidget(), m_page.find(u"格力加氟"_qs));
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        for (const QString &radio : {u"格力加氟"_qs, u"其他加氟"_qs})
            QVERIFY2(m_page.find<QRadioButton>(radio)->isChecked() == (radio == checked), qPrintable(radio));
        QCOMPARE(m_page.find(u"外机加氟"_qs)->isVisible(), outdoorPart);
        QCOMPARE(m_page.find(u"二百五"_qs)->isEnabled(), outdoorPart);
    }

    // Each choice of radios is one Tab stop, entered on its checked radio or else its first, and the
    // arrows stay among its radios: the refrigerant page's mode and model, which one group holds,
    // are two choices; the pressure page's refrigerant and unit are two groups.
    void radioStops_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QStringList>("checked"); // of the page's radios named in the rows

        const QKeyCombination tab(Qt::Key_Tab), backtab(Qt::SHIFT | Qt::Key_Tab), space(Qt::Key_Space);
        const QKeyCombination up(Qt::Key_Up), down(Qt::Key_Down), right(Qt::Key_Right);
        QTest::newRow("refrigerant: Down from the checked mode stays on it")
            << Refrigerant << QList {space, down} << u"格力加氟"_qs << QStringList {u"格力加氟"_qs};
        QTest::newRow("refrigerant: Tab from the mode reaches the first model")
            << Refrigerant << QList {tab} << u"二百五"_qs << QStringList {};
        QTest::newRow("refrigerant: Up from a checked model never reaches the mode")
            << Refrigerant << QList {tab, space, up} << u"二百五"_qs << QStringList {u"二百五"_qs};
        QTest::newRow("refrigerant: Down from a checked model checks the one below")
            << Refrigerant << QList {tab, space, down} << u"五零四"_qs << QStringList {u"五零四"_qs};
        QTest::newRow("refrigerant: Tab comes back to the checked model")
            << Refrigerant << QList {tab, right, space, backtab, tab} << u"三百"_qs
            << QStringList {u"三百"_qs};
        QTest::newRow("refrigerant: Tab leaves the models for the first box")
            << Refrigerant << QList {tab, tab} << u"室内机台数"_qs << QStringList {};
        QTest::newRow("pressure: the page entered again lands on the refrigerant chosen")
            << Pressure
            << QList {right, QKeyCombination(Qt::ALT | Qt::Key_1), QKeyCombination(Qt::ALT | Qt::Key_7)}
            << u"冷媒R32"_qs << QStringList {u"冷媒R32"_qs, u"单位MPa"_qs};
        QTest::newRow("pressure: Tab from the refrigerant lands on the checked unit")
            << Pressure << QList {tab} << u"单位MPa"_qs << QStringList {u"冷媒R410A"_qs, u"单位MPa"_qs};
        QTest::newRow("pressure: Shift+Tab from the first box comes back to the unit chosen")
            << Pressure << QList {tab, right, tab, backtab} << u"单位bar"_qs
            << QStringList {u"冷媒R410A"_qs, u"单位bar"_qs};
    }

    void radioStops()
    {
        QFETCH(Page, page);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QString, focused);
        QFETCH(QStringList, checked);

        m_page.open(page.entry, page.index);
        for (const QKeyCombination key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QStringList marked;
        for (const QString &radio : {u"格力加氟"_qs, u"二百五"_qs, u"三百"_qs, u"五零四"_qs, u"冷媒R410A"_qs,
                 u"冷媒R32"_qs, u"单位MPa"_qs, u"单位bar"_qs}) {
            if (const auto *button = m_page.find<QRadioButton>(radio);
                button->isVisible() && button->isChecked())
                marked << radio;
        }
        QCOMPARE(marked, checked);
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(PageKeysTest)
#include "test_pagekeys.moc"
