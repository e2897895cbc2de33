#include <QTest>

#include "pagetesting.h"

using namespace kalmoro;

namespace {

// One half of the page: its two fields, its button and the label that shows its price.
struct Half {
    QString length;
    QString width;
    QString button;
    QString label;
    QString caption; // the label's text before any calculation
};

const Half Outlet {u"出风长"_qs, u"出风宽"_qs, u"出风口计算"_qs, u"出风口价格"_qs, u"出风口价格"_qs};
const Half Return {u"回风长"_qs, u"回风宽"_qs, u"回风口计算"_qs, u"回风口价格"_qs, u"回风口价格"_qs};

} // namespace

// Drives the air vent page of the real window with mouse clicks and keystrokes.
class VentPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_page.open(u"风口价格按钮"_qs, 4); }
    void cleanup() { m_page.close(); }

    void price_data()
    {
        QTest::addColumn<bool>("returnVent");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("price");

        QTest::newRow("outlet, both empty") << false << QString() << QString() << u"15.12"_qs;
        QTest::newRow("outlet, short") << false << u"1"_qs << u"0.2"_qs << u"47.52"_qs;
        QTest::newRow("outlet, 2 m is still short") << false << u"2"_qs << u"0.2"_qs << u"79.92"_qs;
        QTest::newRow("outlet, within tolerance of 2 m")
            << false << u"2.00000005"_qs << u"0.2"_qs << u"79.92000162"_qs;
        QTest::newRow("outlet, beyond tolerance of 2 m")
            << false << u"2.0000002"_qs << u"0.2"_qs << u"116.160011616"_qs;
        QTest::newRow("outlet, price jumps past 2 m") << false << u"2.001"_qs << u"0.2"_qs << u"116.21808"_qs;
        QTest::newRow("outlet, long") << false << u"2.5"_qs << u"0.2"_qs << u"145.2"_qs;
        QTest::newRow("outlet, long and narrow") << false << u"3"_qs << u"0.15"_qs << u"144.54"_qs;
        QTest::newRow("outlet, full-width length") << false << u"２．５"_qs << u"0.2"_qs << u"145.2"_qs;
        QTest::newRow("outlet, unit after number") << false << u"1米"_qs << u"0.2m"_qs << u"47.52"_qs;
        QTest::newRow("outlet, negative length") << false << u"-1"_qs << u"0.2"_qs << u"-17.28"_qs;

        QTest::newRow("return, both empty") << true << QString() << QString() << u"15.12"_qs;
        QTest::newRow("return, short") << true << u"1"_qs << u"0.3"_qs << u"91.728"_qs;
        QTest::newRow("return, 2 m is still short") << true << u"2"_qs << u"0.2"_qs << u"117.264"_qs;
        QTest::newRow("return, price jumps past 2 m") << true << u"2.001"_qs << u"0.2"_qs << u"157.614768"_qs;
        QTest::newRow("return, long") << true << u"3"_qs << u"0.2"_qs << u"236.304"_qs;
        QTest::newRow("return, long 2.5 m") << true << u"2.5"_qs << u"0.2"_qs << u"196.92"_qs;
        QTest::newRow("return, negative length") << true << u"-1"_qs << u"0.3"_qs << u"-61.488"_qs;
    }

    void price()
    {
        QFETCH(bool, returnVent);
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, price);

        const Half &half = returnVent ? Return : Outlet;
        const Half &other = returnVent ? Outlet : Return;
        m_page.type(half.length, length);
        m_page.type(half.width, width);
        m_page.click(half.button);

        QCOMPARE(m_page.text(half.label), price);
        QCOMPARE(m_page.text(half.length), length);
        QCOMPARE(m_page.text(half.width), width);
        QCOMPARE(m_page.text(other.label), other.caption);
        // The page warns about nothing, not even a negative or empty size.
        QCOMPARE(m_page.messages, QStringList());
    }

    // Typing computes nothing; each button reads only its own fields and writes only its own label,
    // which keeps its price, also over a page switch, until the button is pressed again.
    void halvesAreIndependent()
    {
        m_page.type(Outlet.length, u"1"_qs);
        m_page.type(Outlet.width, u"0.2"_qs);
        m_page.type(Return.length, u"3"_qs);
        m_page.type(Return.width, u"0.2"_qs);
        QCOMPARE(m_page.text(Outlet.label), Outlet.caption);
        m_page.click(Outlet.button);
        QCOMPARE(m_page.texts({Outlet.label, Return.label}), (QStringList {u"47.52"_qs, Return.caption}));
        m_page.click(Return.button);
        QCOMPARE(m_page.texts({Outlet.label, Return.label}), (QStringList {"47.52", "236.304"}));

        m_page.type(Outlet.length, u"2.5"_qs);
        m_page.click(u"铜管价格按钮"_qs);
        m_page.click(u"风口价格按钮"_qs);
        QCOMPARE(m_page.texts({Outlet.label, Outlet.length}), (QStringList {"47.52", "2.5"}));
        m_page.click(Outlet.button);
        QCOMPARE(m_page.texts({Outlet.label, Return.label}), (QStringList {"145.2", "236.304"}));
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(VentPageTest)
#include "test_ventpage.moc"
