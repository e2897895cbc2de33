#include <QApplication>
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

    // The pressures typed keep their value as typed in every unit, however often it changes; results
    // and table follow the unit.
    void unitSwitch_data()
    {
        QTest::addColumn<QStringList>("units");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QStringList>("zeroRow");
        QTest::newRow("bar") << QStringList {"单位bar"} << u"8.00"_qs << QStringList {"0", "6.99", "6.97"};
        QTest::newRow("kgf/cm²") << QStringList {"单位kgf"} << u"8.16"_qs
                                 << QStringList {"0", "7.13", "7.10"};
        QTest::newRow("psi") << QStringList {"单位psi"} << u"116.0"_qs << QStringList {"0", "101.4", "101.1"};
        QTest::newRow("psi by way of bar and kgf/cm²") << QStringList {"单位bar", "单位kgf", "单位psi"}
                                                       << u"116.0"_qs << QStringList {"0", "101.4", "101.1"};
        QTest::newRow("back to MPa") << QStringList {"单位psi", "单位kgf", "单位bar", "单位MPa"}
                                     << u"0.800"_qs << QStringList {"0", "0.699", "0.697"};
    }

    void unitSwitch()
    {
        QFETCH(QStringList, units);
        QFETCH(QString, low);
        QFETCH(QStringList, zeroRow);
        m_page.run({u"低压压力=0.80"_qs, u"吸气管温度=10"_qs});
        m_page.run(units);
        QCOMPARE(m_page.text(LowPressure), low);
        QCOMPARE(m_page.texts({Evaporating, Superheat}), (QStringList {"3.9", "6.1"}));
        QCOMPARE(tableRow(ZeroRow), zeroRow);
        const QString name = m_page.find(units.last())->property("text").toString();
        QCOMPARE(m_page.text(u"低压压力单位"_qs), name);
        QCOMPARE(m_page.find(LowPressure)->accessibleName(), u"低压表压力 "_qs + name);
        QVERIFY(m_page.find(Table)->accessibleName().endsWith(name));
    }

    // What a box holds is a number or gives nothing: no result is made up from it, and a notice
    // beside the box says why, unless the box is empty. A negative difference brings its hint.
    void pressureInputs_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("result"); // the result the last box typed feeds
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("notice"); // the line that says why, or what it may mean
        QTest::addColumn<bool>("noticed");
        const auto low = [](const QString &typed) {
            return QStringList {u"吸气管温度=10"_qs, u"低压压力="_qs + typed};
        };
        QTest::newRow("number") << low(u"0.8"_qs) << Evaporating << u"3.9"_qs << u"低压压力提示"_qs << false;
        QTest::newRow("white space around")
            << low(u" 0.8 "_qs) << Evaporating << u"3.9"_qs << u"低压压力提示"_qs << false;
        QTest::newRow("exponent") << low(u"8e-1"_qs) << Evaporating << u"3.9"_qs << u"低压压力提示"_qs
                                  << false;
        QTest::newRow("empty") << low({}) << Evaporating << QString() << u"低压压力提示"_qs << false;
        QTest::newRow("white space") << low(u" "_qs) << Evaporating << QString() << u"低压压力提示"_qs
                                     << false;
        QTest::newRow("lone sign") << low(u"-"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("lone point") << low(u"."_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("text") << low(u"abc"_qs) << Superheat << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("number and text")
            << low(u"0.8bar"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("comma") << low(u"0,8"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("full-width comma")
            << low(u"０，８"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("infinity") << low(u"inf"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("NaN") << low(u"nan"_qs) << Evaporating << QString() << u"低压压力提示"_qs << true;
        QTest::newRow("too large") << low(u"1e400"_qs) << Evaporating << QString() << u"低压压力提示"_qs
                                   << true;
        QTest::newRow("pipe temperature text") << QStringList {"低压压力=0.80", "吸气管温度=abc"} << Superheat
                                               << QString() << u"吸气管温度提示"_qs << true;
        QTest::newRow("pipe temperature too large") << QStringList {"高压压力=2.60", "液管温度=-1e400"}
                                                    << Subcooling << QString() << u"液管温度提示"_qs << true;
        QTest::newRow("converter pressure text")
            << QStringList {"换算压力=abc"} << Temperature << QString() << u"换算压力提示"_qs << true;
        QTest::newRow("converter temperature text")
            << QStringList {"换算温度=1,5"} << Pressure << QString() << u"换算温度提示"_qs << true;
        QTest::newRow("negative superheat") << QStringList {"低压压力=0.80", "吸气管温度=0"} << Superheat
                                            << u"-3.9"_qs << u"过热度提示"_qs << true;
        QTest::newRow("negative subcooling") << QStringList {"高压压力=2.60", "液管温度=50"} << Subcooling
                                             << u"-5.5"_qs << u"过冷度提示"_qs << true;
        QTest::newRow("superheat of zero") << QStringList {"低压压力=0.80", "吸气管温度=3.9"} << Superheat
                                           << u"0.0"_qs << u"过热度提示"_qs << false;
    }

    void pressureInputs()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, result);
        QFETCH(QString, shown);
        QFETCH(QString, notice);
        QFETCH(bool, noticed);
        m_page.run(steps);
        QCOMPARE(m_page.text(result), shown);
        QCOMPARE(!m_page.text(notice).isEmpty(), noticed);
        QCOMPARE(m_page.find(notice)->accessibleName(), m_page.text(notice));
        QCOMPARE(m_page.messages, QStringList());
    }

    // Every filled box is judged again for the refrigerant chosen, the table with it: one column
    // unless it is a blend, whose superheat and subcooling name their curve.
    void refrigerantSwitch_data()
    {
        QTest::addColumn<QString>("fluid");
        // converter, glide, evaporating, superheat, condensing, subcooling
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("zeroRow");
        QTest::addColumn<QString>("note");
        QTest::newRow("R410A") << u"冷媒R410A"_qs
                               << QStringList {"3.9", "液相 3.8 ℃　气相 3.9 ℃", "3.9", "6.1", "44.5", "6.5"}
                               << QStringList {"0", "0.699", "0.697"} << u"R410A　GWP 2088　A1 不可燃"_qs;
        QTest::newRow("R32") << u"冷媒R32"_qs << QStringList {"3.3", "", "3.3", "6.7", "43.6", "5.6"}
                             << QStringList {"0", "0.712"} << u"R32　GWP 675　A2L 弱可燃"_qs;
        QTest::newRow("R22") << u"冷媒R22"_qs << QStringList {"19.7", "", "19.7", "-9.7", "65.0", "27.0"}
                             << QStringList {"0", "0.397"}
                             << u"R22　GWP 1810　A1 不可燃　含氯（HCFC），正在逐步淘汰"_qs;
        QTest::newRow("R290") << u"冷媒R290"_qs << QStringList {"22.9", "", "22.9", "-12.9", "72.2", "34.2"}
                              << QStringList {"0", "0.373"}
                              << u"R290　GWP 3　A3 高度可燃，只能用于专为其设计的设备"_qs;
        QTest::newRow("R134a") << u"冷媒R134a"_qs << QStringList {"35.6", "", "35.6", "-25.6", "81.2", "43.2"}
                               << QStringList {"0", "0.191"} << u"R134a　GWP 1430　A1 不可燃"_qs;
        QTest::newRow("R407C") << u"冷媒R407C"_qs
                               << QStringList {"20.8", "液相 15.1 ℃　气相 20.8 ℃", "20.8", "-10.8", "58.9",
                                      "20.9"}
                               << QStringList {"0", "0.467", "0.359"} << u"R407C　GWP 1774　A1 不可燃"_qs;
        QTest::newRow("R404A") << u"冷媒R404A"_qs
                               << QStringList {"13.4", "液相 13.0 ℃　气相 13.4 ℃", "13.4", "-3.4", "57.0",
                                      "19.0"}
                               << QStringList {"0", "0.509", "0.499"} << u"R404A　GWP 3922　A1 不可燃"_qs;
        QTest::newRow("R507A") << u"冷媒R507A"_qs
                               << QStringList {"12.2", "液相 12.2 ℃　气相 12.2 ℃", "12.2", "-2.2", "56.0",
                                      "18.0"}
                               << QStringList {"0", "0.523", "0.523"} << u"R507A　GWP 3985　A1 不可燃"_qs;
    }

    void refrigerantSwitch()
    {
        QFETCH(QString, fluid);
        QFETCH(QStringList, results);
        QFETCH(QStringList, zeroRow);
        QFETCH(QString, note);
        // From another refrigerant, so that the one chosen is a change.
        m_page.click(fluid == u"冷媒R32"_qs ? u"冷媒R22"_qs : u"冷媒R32"_qs);
        m_page.run({u"换算压力=0.8"_qs, u"低压压力=0.80"_qs, u"吸气管温度=10"_qs, u"高压压力=2.60"_qs,
            u"液管温度=38"_qs});
        m_page.click(fluid);
        QCOMPARE(m_page.texts({Temperature, Glide, Evaporating, Superheat, Condensing, Subcooling}), results);
        auto *table = m_page.find<QTableWidget>(Table);
        QCOMPARE(tableRow(ZeroRow), zeroRow);
        QCOMPARE(table->rowCount(), 22);
        QCOMPARE(tableRow(21).first(), u"65"_qs);
        QVERIFY(table->editTriggers() == QAbstractItemView::NoEditTriggers);
        QCOMPARE(m_page.text(u"冷媒说明"_qs), note);
        const bool blend = zeroRow.size() == 3;
        const QStringList curves
            = blend ? QStringList {u"过热度按露点"_qs, u"过冷度按泡点"_qs} : QStringList {u""_qs, u""_qs};
        QCOMPARE(m_page.texts({u"过热度曲线"_qs, u"过冷度曲线"_qs}), curves);
    }

    // The arrow keys walk the refrigerants' two rows as they are shown, choosing each one they reach.
    void arrowsChooseEveryRefrigerant()
    {
        m_page.find(u"冷媒R410A"_qs)->setFocus();
        QStringList chosen;
        for (const int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left,
                 Qt::Key_Left, Qt::Key_Left}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            chosen << m_page.text(u"冷媒说明"_qs).section(u'　', 0, 0);
        }
        QCOMPARE(chosen, (QStringList {"R32", "R22", "R290", "R507A", "R404A", "R407C", "R134a"}));
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
            u"调试记录\n日期：2026-12-07\n"
            "项目\t数值\n冷媒\tR410A\n"
            "GWP\t2088\n安全分类\tA1\n"
            "压力单位\tMPa\n饱和曲线\tCoolProp 拟合式，依据 Lemmon 2003 (pseudo-pure)\n"
            "表压力\t0.697 MPa\n饱和温度（露点）\t0 ℃\n"
            "液相 0.699 MPa　气相 0.697 MPa\t\n低压表压力\t0.80 MPa\n"
            "吸气管温度\t10 ℃\n蒸发温度（露点）\t3.9 ℃\n"
            "过热度\t6.1 K\n高压表压力\t2.60 MPa\n"
            "液管温度\t38 ℃\n冷凝温度（泡点）\t44.5 ℃\n"
            "过冷度\t6.5 K"_qs);
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(PressurePageTest)
#include "test_pressurepage.moc"
