#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include "pagetesting.h"

using namespace kalmoro;

namespace {

const QString Entry = u"冷媒压力按钮"_qs;
constexpr int PageIndex = 7;
const QString Pressure = u"换算压力"_qs;
const QString Temperature = u"换算温度"_qs;
const QString Glide = u"换算液相气相"_qs;
const QString LowPressure = u"低压压力"_qs;
const QString Suction = u"吸气管温度"_qs;
const QString Evaporating = u"蒸发温度"_qs;
const QString Superheat = u"过热度"_qs;
const QString HighPressure = u"高压压力"_qs;
const QString Liquid = u"液管温度"_qs;
const QString Condensing = u"冷凝温度"_qs;
const QString Subcooling = u"过冷度"_qs;
const QString Table = u"压力温度表"_qs;
// The table's row of 0 ℃: from −40 every 5.
constexpr int ZeroRow = 8;

} // namespace

// Drives the refrigerant pressure page of the real window with mouse clicks and keystrokes.
class PressurePageTest final : public QObject
{
    Q_OBJECT

    QStringList tableRow(int row) const
    {
        auto *table = m_page.find<QTableWidget>(Table);
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        return cells;
    }

private Q_SLOTS:
    void init() { m_page.open(Entry, PageIndex); }
    void cleanup() { m_page.close(); }

    // A gauge reading and a pipe temperature give the saturation temperature and its difference.
    void workedRows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("results"); // evaporating, superheat, condensing, subcooling
        QTest::newRow("R410A low side")
            << QStringList {"低压压力=0.80", "吸气管温度=10"} << QStringList {"3.9", "6.1", "", ""};
        QTest::newRow("R32 low side") << QStringList {"冷媒R32", "低压压力=0.80", "吸气管温度=10"}
                                      << QStringList {"3.3", "6.7", "", ""};
        QTest::newRow("R22 low side") << QStringList {"冷媒R22", "低压压力=0.45", "吸气管温度=10"}
                                      << QStringList {"3.2", "6.8", "", ""};
        QTest::newRow("R410A high side")
            << QStringList {"高压压力=2.60", "液管温度=38"} << QStringList {"", "", "44.5", "6.5"};
        QTest::newRow("pressure without pipe temperature")
            << QStringList {"低压压力=0.80"} << QStringList {"3.9", "", "", ""};
        QTest::newRow("pipe temperature without pressure")
            << QStringList {"吸气管温度=10", "液管温度=38"} << QStringList {"", "", "", ""};
        QTest::newRow("full-width digits")
            << QStringList {"低压压力=０.８", "吸气管温度=１０"} << QStringList {"3.9", "6.1", "", ""};
        QTest::newRow("vacuum and above critical") << QStringList {"低压压力=-0.101325", "吸气管温度=10",
            "高压压力=5", "液管温度=38"} << QStringList {"超出范围", "超出范围", "超出范围", "超出范围"};
    }

    void workedRows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, results);
        m_page.run(steps);
        QCOMPARE(m_page.texts({Evaporating, Superheat, Condensing, Subcooling}), results);
        QCOMPARE(m_page.messages, QStringList());
        const QString spoken = m_page.find(Superheat)->accessibleName();
        QCOMPARE(spoken,
            results[1].isEmpty()               ? u"过热度"_qs
                : results[1] == u"超出范围"_qs ? u"过热度 超出范围"_qs
                                               : u"过热度 "_qs + results[1] + u" K"_qs);
    }

    // Typing in either box of the converter fills the other, at every keystroke.
    void converterBothWays_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("glide");
        QTest::newRow("R410A from pressure")
            << QStringList {"换算压力=0.8"} << u"0.8"_qs << u"3.9"_qs << u"液相 3.8 ℃　气相 3.9 ℃"_qs;
        QTest::newRow("R410A from temperature")
            << QStringList {"换算温度=0"} << u"0.697"_qs << u"0"_qs << u"液相 0.699 MPa　气相 0.697 MPa"_qs;
        QTest::newRow("R32 from temperature")
            << QStringList {"冷媒R32", "换算温度=40"} << u"2.377"_qs << u"40"_qs << QString();
        QTest::newRow("temperature typed after pressure") << QStringList {"换算压力=0.8",
            "换算温度=-40"} << u"0.074"_qs << u"-40"_qs << u"液相 0.074 MPa　气相 0.074 MPa"_qs;
        QTest::newRow("above critical") << QStringList {"换算温度=72"} << u"超出范围"_qs << u"72"_qs
                                        << u"液相 超出范围 MPa　气相 超出范围 MPa"_qs;
        QTest::newRow("emptied") << QStringList {"换算压力=0.8", "换算压力="} << QString() << QString()
                                 << QString();
    }

    void converterBothWays()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, pressure);
        QFETCH(QString, temperature);
        QFETCH(QString, glide);
        m_page.run(steps);
        QCOMPARE(m_page.texts({Pressure, Temperature, Glide}), (QStringList {pressure, temperature, glide}));
    }

    void everyKeystrokeConverts()
    {
        m_page.click(Pressure);
        QWidget *box = m_page.find(Pressure);
        const QStringList shown {"-51.4", "-51.4", "3.9"};
        for (qsizetype key = 0; key < shown.size(); ++key) {
            QTest::keyClick(box, u"0.8"_qs[key].toLatin1());
            QCOMPARE(m_page.text(Temperature), shown[key]);
        }
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(m_page.text(Temperature), shown[1]);
    }

    // The pressures typed keep their value in the new unit; results and table follow it.
    void unitSwitch_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QStringList>("zeroRow");
        QTest::newRow("bar") << u"单位bar"_qs << u"8.00"_qs << QStringList {"0", "6.99", "6.97"};
        QTest::newRow("kgf/cm²") << u"单位kgf"_qs << u"8.16"_qs << QStringList {"0", "7.13", "7.10"};
        QTest::newRow("psi") << u"单位psi"_qs << u"116.0"_qs << QStringList {"0", "101.4", "101.1"};
        QTest::newRow("MPa") << u"单位MPa"_qs << u"0.80"_qs << QStringList {"0", "0.699", "0.697"};
    }

    void unitSwitch()
    {
        QFETCH(QString, unit);
        QFETCH(QString, low);
        QFETCH(QStringList, zeroRow);
        m_page.run({u"低压压力=0.80"_qs, u"吸气管温度=10"_qs, unit});
        QCOMPARE(m_page.text(LowPressure), low);
        QCOMPARE(m_page.texts({Evaporating, Superheat}), (QStringList {"3.9", "6.1"}));
        QCOMPARE(tableRow(ZeroRow), zeroRow);
        const QString name = m_page.find(unit)->property("text").toString();
        QCOMPARE(m_page.text(u"低压压力单位"_qs), name);
        QCOMPARE(m_page.find(LowPressure)->accessibleName(), u"低压表压力 "_qs + name);
        QVERIFY(m_page.find(Table)->accessibleName().endsWith(name));
    }

    // The same readings judged for another refrigerant; one table column unless the refrigerant
    // glides.
    void refrigerantSwitch()
    {
        m_page.run({u"换算压力=0.8"_qs, u"低压压力=0.80"_qs, u"吸气管温度=10"_qs});
        auto *table = m_page.find<QTableWidget>(Table);
        QCOMPARE(table->columnCount(), 3);
        QVERIFY(table->editTriggers() == QAbstractItemView::NoEditTriggers);

        m_page.click(u"冷媒R32"_qs);
        QCOMPARE(m_page.texts({Temperature, Glide, Evaporating, Superheat}),
            (QStringList {"3.3", "", "3.3", "6.7"}));
        QCOMPARE(tableRow(ZeroRow), (QStringList {"0", "0.712"}));
        QCOMPARE(table->rowCount(), 22);
        QCOMPARE(tableRow(21).first(), u"65"_qs);

        m_page.click(u"冷媒R22"_qs);
        QCOMPARE(m_page.text(Temperature), u"19.7"_qs);
        QCOMPARE(tableRow(ZeroRow), (QStringList {"0", "0.397"}));
    }

    // The table lays out its header once its page is shown, not at start-up: measuring the header
    // loads a bold face that nothing on the start page uses.
    void tableLaidOutWhenShown_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("page not shown yet") << false;
        QTest::newRow("page shown") << true;
    }

    void tableLaidOutWhenShown()
    {
        QFETCH(bool, shown);

        m_page.close();
        m_page.open(u"加氟计算按钮"_qs, 1);
        if (shown)
            m_page.click(Entry);
        const auto *table = m_page.find<QTableWidget>(Table);
        const QHeaderView *header = table->horizontalHeader();
        QCOMPARE(header->height() > 0 && header->geometry().bottom() + 1 == table->viewport()->y(), shown);
    }

    void sheetText()
    {
        m_page.today = QDate(2026, 12, 7);
        m_page.run({u"换算温度=0"_qs, u"低压压力=0.80"_qs, u"吸气管温度=10"_qs, u"高压压力=2.60"_qs,
            u"液管温度=38"_qs});
        QTest::keyClick(m_page.find(Liquid), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            u"调试记录\n日期：2026-12-07\n项目\t数值\n"
            "冷媒\tR410A\n压力单位\tMPa\n"
            "表压力\t0.697 MPa\n饱和温度\t0 ℃\n"
            "液相 0.699 MPa　气相 0.697 MPa\t\n"
            "低压表压力\t0.80 MPa\n吸气管温度\t10 ℃\n"
            "蒸发温度\t3.9 ℃\n过热度\t6.1 K\n"
            "高压表压力\t2.60 MPa\n液管温度\t38 ℃\n"
            "冷凝温度\t44.5 ℃\n过冷度\t6.5 K"_qs);
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(PressurePageTest)
#include "test_pressurepage.moc"
