#include "pagetesting.h"

#include <QFont>
#include <QRadioButton>
#include <QTest>

#include "shell/widgets/transparentlabel.h"

using namespace kalmoro;

namespace {

const QString TooLarge = u"配比率过大，请选择合适的室外机！"_qs;
const QString TooSmall = u"配比率过小，请选择合适的室外机！"_qs;

const QStringList ModelRadios = { u"二百五"_qs, u"三百"_qs, u"三百五"_qs, u"四百"_qs, u"四百五"_qs,
    u"五零四"_qs, u"五百六"_qs, u"六一五"_qs, u"七八五"_qs, u"九百"_qs };
const QStringList OutdoorControls
    = { u"室内机台数"_qs, u"室内机总量"_qs, u"配比率"_qs, u"外机加氟"_qs, u"室内机加氟量"_qs };
const QStringList LiquidPipeBoxes
    = { u"六"_qs, u"十"_qs, u"十二"_qs, u"十六"_qs, u"十九"_qs, u"二十二"_qs, u"二十五"_qs, u"二十八"_qs };

// A value left in 外机加氟 by the user, to see whether a click replaces it.
const QString EarlierCharge = u"9.75"_qs;

} // namespace

// Drives the refrigerant page of the real window with mouse clicks and keystrokes.
class RefrigerantPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsEmpty();
    void outdoorCharge_data();
    void outdoorCharge();
    void chargeTableOfEveryModel_data();
    void chargeTableOfEveryModel();
    void ratioJudgedWithoutModel_data();
    void ratioJudgedWithoutModel();
    void indoorCharge_data();
    void indoorCharge();
    void totalAddsBoxesAsTheyStand_data();
    void totalAddsBoxesAsTheyStand();
    void wholeCalculation();
    void otherBrandHidesOutdoorPart();
    void brandSwitchesBackAndForth();
    void modelClearsBrandMark();
    void brandClearsModelMark_data();
    void brandClearsModelMark();
    void totalNeverShownCut_data();
    void totalNeverShownCut();

private:
    testing::PageDriver m_page;
};

void RefrigerantPageTest::init()
{
    m_page.open(u"加氟计算按钮"_qs, 1);
}

void RefrigerantPageTest::cleanup()
{
    m_page.close();
}

void RefrigerantPageTest::startsEmpty()
{
    for (const QString &radio : ModelRadios + QStringList { u"格力加氟"_qs, u"其他加氟"_qs }) {
        QVERIFY2(!m_page.find<QRadioButton>(radio)->isChecked(), qPrintable(radio));
        QVERIFY2(m_page.find(radio)->isEnabled(), qPrintable(radio));
    }
    for (const QString &control : OutdoorControls)
        QVERIFY2(m_page.find(control)->isVisible(), qPrintable(control));
    for (const QString &box : LiquidPipeBoxes + QStringList { u"内机加氟"_qs, u"外机加氟"_qs, u"配比率"_qs })
        QVERIFY2(m_page.text(box).isEmpty(), qPrintable(box));
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"0"_qs);
}

void RefrigerantPageTest::outdoorCharge_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("charge");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("band 1 upper limit, 3 units")
        << u"二百五"_qs << u"26.25"_qs << u"3"_qs << u"1.05"_qs << u"1"_qs << none;
    QTest::newRow("band 1 upper limit, 4 units")
        << u"二百五"_qs << u"26.25"_qs << u"4"_qs << u"1.05"_qs << u"2"_qs << none;
    QTest::newRow("band 2 upper limit, 3 units")
        << u"二百五"_qs << u"33.75"_qs << u"3"_qs << u"1.35"_qs << u"2"_qs << none;
    QTest::newRow("band 2 upper limit, 4 units")
        << u"二百五"_qs << u"33.75"_qs << u"4"_qs << u"1.35"_qs << u"3.5"_qs << none;
    QTest::newRow("above band 2 keeps earlier charge")
        << u"二百五"_qs << u"34"_qs << u"4"_qs << u"1.36"_qs << EarlierCharge << QStringList { TooLarge };
    QTest::newRow("within tolerance above 1.05 is band 1")
        << u"二百五"_qs << u"26.2500024"_qs << u"3"_qs << u"1.050000096"_qs << u"1"_qs << none;
    QTest::newRow("beyond tolerance above 1.05 is band 2")
        << u"二百五"_qs << u"26.250003"_qs << u"3"_qs << u"1.05000012"_qs << u"2"_qs << none;
    QTest::newRow("within tolerance above 1.35 is band 2")
        << u"二百五"_qs << u"33.7500024"_qs << u"3"_qs << u"1.350000096"_qs << u"2"_qs << none;
    QTest::newRow("beyond tolerance above 1.35 is too large")
        << u"二百五"_qs << u"33.750003"_qs << u"3"_qs << u"1.35000012"_qs << EarlierCharge
        << QStringList { TooLarge };
    QTest::newRow("just above 0.9 is band 1")
        << u"二百五"_qs << u"22.500003"_qs << u"3"_qs << u"0.90000012"_qs << u"1"_qs << none;
    QTest::newRow("beyond tolerance below 0.9 is too small")
        << u"二百五"_qs << u"22.499997"_qs << u"3"_qs << u"0.89999988"_qs << EarlierCharge
        << QStringList { TooSmall };
    QTest::newRow("exactly 0.9 is band 1, 3 units")
        << u"二百五"_qs << u"22.5"_qs << u"3"_qs << u"0.9"_qs << u"1"_qs << none;
    QTest::newRow("exactly 0.9 is band 1, 4 units")
        << u"二百五"_qs << u"22.5"_qs << u"4"_qs << u"0.9"_qs << u"2"_qs << none;
    QTest::newRow("ratio shown to 13 digits")
        << u"三百"_qs << u"28"_qs << u"3"_qs << u"0.9333333333333"_qs << u"1"_qs << none;
    QTest::newRow("fractional capacity too small")
        << u"五零四"_qs << u"45"_qs << u"3"_qs << u"0.8928571428571"_qs << EarlierCharge
        << QStringList { TooSmall };
    QTest::newRow("fractional capacity ratio 1")
        << u"五零四"_qs << u"50.4"_qs << u"2"_qs << u"1"_qs << u"2.5"_qs << none;
    QTest::newRow("empty unit count is fewer than four")
        << u"二百五"_qs << u"25"_qs << QString() << u"1"_qs << u"1"_qs << none;
    QTest::newRow("3.5 units are fewer than four")
        << u"二百五"_qs << u"25"_qs << u"3.5"_qs << u"1"_qs << u"1"_qs << none;
    QTest::newRow("units within tolerance of 4 are four")
        << u"二百五"_qs << u"25"_qs << u"3.99999995"_qs << u"1"_qs << u"2"_qs << none;
    QTest::newRow("full-width capacity")
        << u"二百五"_qs << u"２６．２５"_qs << u"３"_qs << u"1.05"_qs << u"1"_qs << none;
    QTest::newRow("empty capacity is too small")
        << u"九百"_qs << QString() << u"3"_qs << u"0"_qs << EarlierCharge << QStringList { TooSmall };
    QTest::newRow("negative capacity is too small")
        << u"四百"_qs << u"-40"_qs << u"3"_qs << u"-1"_qs << EarlierCharge << QStringList { TooSmall };
    // An overflowing capacity shows "1.#INF", and that text reads back as 1.
    QTest::newRow("infinite ratio reads back as 1")
        << u"二百五"_qs << u"1e400"_qs << u"3"_qs << u"1.#INF"_qs << u"1"_qs << none;
}

void RefrigerantPageTest::outdoorCharge()
{
    QFETCH(QString, model);
    QFETCH(QString, capacity);
    QFETCH(QString, units);
    QFETCH(QString, ratio);
    QFETCH(QString, charge);
    QFETCH(QStringList, messages);

    m_page.type(u"外机加氟"_qs, EarlierCharge);
    m_page.click(model);
    m_page.type(u"室内机总量"_qs, capacity);
    m_page.type(u"室内机台数"_qs, units);
    m_page.click(u"室内机加氟量"_qs);

    QCOMPARE(m_page.text(u"配比率"_qs), ratio);
    QCOMPARE(m_page.text(u"外机加氟"_qs), charge);
    QCOMPARE(m_page.messages, messages);
    QCOMPARE(m_page.text(u"室内机总量"_qs), capacity);
    QCOMPARE(m_page.text(u"内机加氟"_qs), QString());
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"0"_qs);
}

void RefrigerantPageTest::chargeTableOfEveryModel_data()
{
    // Capacities that give the ratios 1 (band 1) and 1.2 (band 2), and the four charges of the
    // model: band 1 fewer than four units, band 1 four or more, band 2 fewer, band 2 four or more.
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("band1Capacity");
    QTest::addColumn<QString>("band2Capacity");
    QTest::addColumn<QStringList>("charges");
    QTest::newRow("GMV-250W/A") << u"二百五"_qs << u"25"_qs << u"30"_qs
                                << QStringList { "1", "2", "2", "3.5" };
    QTest::newRow("GMV-300W/A") << u"三百"_qs << u"30"_qs << u"36"_qs << QStringList { "1", "2", "2", "3.5" };
    QTest::newRow("GMV-350W/A") << u"三百五"_qs << u"35"_qs << u"42"_qs
                                << QStringList { "1.5", "3", "2.5", "4" };
    QTest::newRow("GMV-400W/A") << u"四百"_qs << u"40"_qs << u"48"_qs << QStringList { "2", "3.5", "3", "5" };
    QTest::newRow("GMV-450W/A") << u"四百五"_qs << u"45"_qs << u"54"_qs
                                << QStringList { "2", "3.5", "3", "5" };
    QTest::newRow("GMV-504W/A") << u"五零四"_qs << u"50.4"_qs << u"60.48"_qs
                                << QStringList { "2.5", "4", "3.5", "5.5" };
    QTest::newRow("GMV-560W/A") << u"五百六"_qs << u"56"_qs << u"67.2"_qs
                                << QStringList { "3", "4.5", "4", "6" };
    QTest::newRow("GMV-615W/A") << u"六一五"_qs << u"61.5"_qs << u"73.8"_qs
                                << QStringList { "3.5", "5", "4", "6" };
    QTest::newRow("GMV-785W/A") << u"七八五"_qs << u"78.5"_qs << u"94.2"_qs
                                << QStringList { "4", "5", "5", "7" };
    QTest::newRow("GMV-900W/A") << u"九百"_qs << u"90"_qs << u"108"_qs << QStringList { "4", "6", "6", "8" };
}

void RefrigerantPageTest::chargeTableOfEveryModel()
{
    QFETCH(QString, model);
    QFETCH(QString, band1Capacity);
    QFETCH(QString, band2Capacity);
    QFETCH(QStringList, charges);

    m_page.click(model);
    const struct {
        QString capacity;
        QString units;
        QString ratio;
    } cases[] = { { band1Capacity, u"3"_qs, u"1"_qs }, { band1Capacity, u"4"_qs, u"1"_qs },
        { band2Capacity, u"3"_qs, u"1.2"_qs }, { band2Capacity, u"4"_qs, u"1.2"_qs } };
    for (qsizetype column = 0; column < charges.size(); ++column) {
        m_page.type(u"室内机总量"_qs, cases[column].capacity);
        m_page.type(u"室内机台数"_qs, cases[column].units);
        m_page.click(u"室内机加氟量"_qs);
        QCOMPARE(m_page.text(u"配比率"_qs), cases[column].ratio);
        QCOMPARE(m_page.text(u"外机加氟"_qs), charges[column]);
    }
    QCOMPARE(m_page.messages, QStringList());
}

void RefrigerantPageTest::ratioJudgedWithoutModel_data()
{
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty ratio") << QString() << QStringList { TooSmall };
    QTest::newRow("typed ratio in band 1") << u"1"_qs << QStringList();
    QTest::newRow("typed ratio in band 2") << u"1.2"_qs << QStringList();
    QTest::newRow("typed ratio too large") << u"1.4"_qs << QStringList { TooLarge };
    QTest::newRow("typed ratio too small") << u"0.8"_qs << QStringList { TooSmall };
}

// With no model marked the button computes nothing and only judges what 配比率 holds.
void RefrigerantPageTest::ratioJudgedWithoutModel()
{
    QFETCH(QString, ratio);
    QFETCH(QStringList, messages);

    m_page.type(u"外机加氟"_qs, EarlierCharge);
    m_page.type(u"室内机总量"_qs, u"25"_qs);
    m_page.type(u"室内机台数"_qs, u"3"_qs);
    m_page.type(u"配比率"_qs, ratio);
    m_page.click(u"室内机加氟量"_qs);

    QCOMPARE(m_page.messages, messages);
    QCOMPARE(m_page.text(u"配比率"_qs), ratio);
    QCOMPARE(m_page.text(u"外机加氟"_qs), EarlierCharge);
}

void RefrigerantPageTest::indoorCharge_data()
{
    QTest::addColumn<QStringList>("metres");
    QTest::addColumn<QString>("charge");
    QTest::newRow("6.35 and 9.52 only") << QStringList { "10", "10", "", "", "", "", "", "" } << u"0.76"_qs;
    QTest::newRow("every diameter") << QStringList { "15", "20", "10", "5", "3", "2", "1", "1" }
                                    << u"6.01"_qs;
    QTest::newRow("all empty") << QStringList(8) << u"0"_qs;
    QTest::newRow("each diameter's rate, 28.58 last")
        << QStringList { "", "", "", "", "", "", "", "1" } << u"0.68"_qs;
    QTest::newRow("negative length taken as is")
        << QStringList { "-10", "", "", "", "", "", "", "" } << u"-0.22"_qs;
    QTest::newRow("unit after number") << QStringList { "", "", "", "", "", "", "2米", "" } << u"1.04"_qs;
}

void RefrigerantPageTest::indoorCharge()
{
    QFETCH(QStringList, metres);
    QFETCH(QString, charge);

    m_page.type(u"外机加氟"_qs, EarlierCharge);
    for (qsizetype i = 0; i < LiquidPipeBoxes.size(); ++i)
        m_page.type(LiquidPipeBoxes[i], metres[i]);
    m_page.click(u"室外机加氟量"_qs);

    QCOMPARE(m_page.text(u"内机加氟"_qs), charge);
    QCOMPARE(m_page.text(u"外机加氟"_qs), EarlierCharge);
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"0"_qs);
    QCOMPARE(m_page.messages, QStringList());
}

void RefrigerantPageTest::totalAddsBoxesAsTheyStand_data()
{
    QTest::addColumn<QString>("indoor");
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("total");
    QTest::newRow("both parts") << u"0.76"_qs << u"2.5"_qs << u"3.26"_qs;
    QTest::newRow("both empty") << QString() << QString() << u"0"_qs;
    QTest::newRow("typed values used unchanged") << u"1.234"_qs << u"0.0001"_qs << u"1.2341"_qs;
    QTest::newRow("text that is no number") << u"abc"_qs << u"2kg"_qs << u"2"_qs;
    QTest::newRow("negative part") << u"-1"_qs << u"2.5"_qs << u"1.5"_qs;
}

void RefrigerantPageTest::totalAddsBoxesAsTheyStand()
{
    QFETCH(QString, indoor);
    QFETCH(QString, outdoor);
    QFETCH(QString, total);

    m_page.type(u"内机加氟"_qs, indoor);
    m_page.type(u"外机加氟"_qs, outdoor);
    m_page.click(u"室外机加氟量1"_qs);

    QCOMPARE(m_page.text(u"一共加氟"_qs), total);
    QCOMPARE(m_page.text(u"内机加氟"_qs), indoor);
    QCOMPARE(m_page.text(u"外机加氟"_qs), outdoor);
}

void RefrigerantPageTest::wholeCalculation()
{
    m_page.click(u"格力加氟"_qs);
    m_page.click(u"五零四"_qs);
    m_page.type(u"室内机总量"_qs, u"50.4"_qs);
    m_page.type(u"室内机台数"_qs, u"2"_qs);
    m_page.click(u"室内机加氟量"_qs);
    m_page.type(u"六"_qs, u"10"_qs);
    m_page.type(u"十"_qs, u"10"_qs);
    m_page.click(u"室外机加氟量"_qs);
    m_page.click(u"室外机加氟量1"_qs);

    QCOMPARE(m_page.text(u"外机加氟"_qs), u"2.5"_qs);
    QCOMPARE(m_page.text(u"内机加氟"_qs), u"0.76"_qs);
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"3.26"_qs);
    QCOMPARE(m_page.messages, QStringList());

    // Another page and back leaves every text as it was.
    m_page.click(u"铜管价格按钮"_qs);
    m_page.click(u"加氟计算按钮"_qs);
    QCOMPARE(m_page.text(u"配比率"_qs), u"1"_qs);
    QCOMPARE(m_page.text(u"外机加氟"_qs), u"2.5"_qs);
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"3.26"_qs);
}

void RefrigerantPageTest::otherBrandHidesOutdoorPart()
{
    m_page.click(u"二百五"_qs);
    m_page.type(u"室内机总量"_qs, u"25"_qs);
    m_page.type(u"室内机台数"_qs, u"4"_qs);
    m_page.click(u"室内机加氟量"_qs);
    QCOMPARE(m_page.text(u"外机加氟"_qs), u"2"_qs);
    m_page.type(u"六"_qs, u"10"_qs);
    m_page.type(u"十"_qs, u"10"_qs);
    m_page.click(u"室外机加氟量"_qs);

    m_page.click(u"其他加氟"_qs);
    for (const QString &radio : ModelRadios)
        QVERIFY2(!m_page.find(radio)->isEnabled(), qPrintable(radio));
    for (const QString &control : OutdoorControls)
        QVERIFY2(!m_page.find(control)->isVisible(), qPrintable(control));
    for (const QString &label : { u"透明标签2"_qs, u"透明标签8"_qs, u"透明标签3"_qs, u"透明标签7"_qs,
             u"透明标签4"_qs, u"透明标签6"_qs, u"透明标签9"_qs, u"室外机加氟图片"_qs })
        QVERIFY2(m_page.find(label)->isVisible(), qPrintable(label));

    // The outdoor-unit charge the user can no longer see stays out of the total.
    m_page.click(u"室外机加氟量1"_qs);
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"0.76"_qs);
    QCOMPARE(m_page.text(u"外机加氟"_qs), u"2"_qs);
    QCOMPARE(m_page.text(u"配比率"_qs), u"1"_qs);
    QCOMPARE(m_page.text(u"室内机总量"_qs), u"25"_qs);
    QCOMPARE(m_page.text(u"室内机台数"_qs), u"4"_qs);

    m_page.click(u"格力加氟"_qs);
    for (const QString &radio : ModelRadios)
        QVERIFY2(m_page.find(radio)->isEnabled(), qPrintable(radio));
    for (const QString &control : OutdoorControls)
        QVERIFY2(m_page.find(control)->isVisible(), qPrintable(control));
    QCOMPARE(m_page.text(u"外机加氟"_qs), u"2"_qs);
    m_page.click(u"室外机加氟量1"_qs);
    QCOMPARE(m_page.text(u"一共加氟"_qs), u"2.76"_qs);
    QCOMPARE(m_page.messages, QStringList());
}

void RefrigerantPageTest::brandSwitchesBackAndForth()
{
    for (int round = 0; round < 3; ++round) {
        m_page.click(u"其他加氟"_qs);
        QVERIFY(m_page.find<QRadioButton>(u"其他加氟"_qs)->isChecked());
        QVERIFY(!m_page.find<QRadioButton>(u"格力加氟"_qs)->isChecked());
        QVERIFY(!m_page.find(u"室内机加氟量"_qs)->isVisible());
        QVERIFY(!m_page.find(u"九百"_qs)->isEnabled());
        m_page.click(u"格力加氟"_qs);
        QVERIFY(m_page.find<QRadioButton>(u"格力加氟"_qs)->isChecked());
        QVERIFY(!m_page.find<QRadioButton>(u"其他加氟"_qs)->isChecked());
        QVERIFY(m_page.find(u"室内机加氟量"_qs)->isVisible());
        QVERIFY(m_page.find(u"九百"_qs)->isEnabled());
    }
}

void RefrigerantPageTest::modelClearsBrandMark()
{
    m_page.click(u"格力加氟"_qs);
    m_page.click(u"二百五"_qs);
    QVERIFY(m_page.find<QRadioButton>(u"二百五"_qs)->isChecked());
    for (const QString &radio : ModelRadios.mid(1) + QStringList { u"格力加氟"_qs, u"其他加氟"_qs })
        QVERIFY2(!m_page.find<QRadioButton>(radio)->isChecked(), qPrintable(radio));
    // The mode chosen by the brand stays in force though its mark is gone.
    for (const QString &radio : ModelRadios)
        QVERIFY2(m_page.find(radio)->isEnabled(), qPrintable(radio));
    for (const QString &control : OutdoorControls)
        QVERIFY2(m_page.find(control)->isVisible(), qPrintable(control));

    m_page.click(u"九百"_qs);
    QVERIFY(m_page.find<QRadioButton>(u"九百"_qs)->isChecked());
    QVERIFY(!m_page.find<QRadioButton>(u"二百五"_qs)->isChecked());
}

void RefrigerantPageTest::brandClearsModelMark_data()
{
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("ratio inside the limits") << u"26.25"_qs << u"1.05"_qs << QStringList();
    QTest::newRow("ratio outside the limits") << u"34"_qs << u"1.36"_qs << QStringList { TooLarge };
}

// After other brand and back no model is marked: the button then only judges the ratio standing.
void RefrigerantPageTest::brandClearsModelMark()
{
    QFETCH(QString, capacity);
    QFETCH(QString, ratio);
    QFETCH(QStringList, messages);

    m_page.click(u"二百五"_qs);
    m_page.type(u"室内机总量"_qs, capacity);
    m_page.type(u"室内机台数"_qs, u"3"_qs);
    m_page.click(u"室内机加氟量"_qs);
    QCOMPARE(m_page.messages, messages);
    const QString charge = m_page.text(u"外机加氟"_qs);

    m_page.click(u"其他加氟"_qs);
    m_page.click(u"格力加氟"_qs);
    for (const QString &radio : ModelRadios)
        QVERIFY2(!m_page.find<QRadioButton>(radio)->isChecked(), qPrintable(radio));

    m_page.messages.clear();
    m_page.type(u"室内机总量"_qs, u"45"_qs);
    m_page.click(u"室内机加氟量"_qs);
    QCOMPARE(m_page.text(u"配比率"_qs), ratio);
    QCOMPARE(m_page.text(u"外机加氟"_qs), charge);
    QCOMPARE(m_page.messages, messages);
}

void RefrigerantPageTest::totalNeverShownCut_data()
{
    QTest::addColumn<QString>("indoor");
    QTest::addColumn<QString>("outdoor");
    QTest::addColumn<QString>("total");
    QTest::newRow("short total") << u"0.76"_qs << u"2.5"_qs << u"3.26"_qs;
    QTest::newRow("wide total") << u"9.8456"_qs << u"2.5"_qs << u"12.3456"_qs;
    QTest::newRow("13 digits") << u"0.9333333333333"_qs << u"2"_qs << u"2.933333333333"_qs;
    QTest::newRow("exponent form") << u"-1.234567890123e14"_qs << QString() << u"-1.234567890123e+014"_qs;
}

void RefrigerantPageTest::totalNeverShownCut()
{
    QFETCH(QString, indoor);
    QFETCH(QString, outdoor);
    QFETCH(QString, total);

    auto *label = m_page.find<TransparentLabel>(u"一共加氟"_qs);
    const QFont layoutFont = label->font();
    m_page.type(u"内机加氟"_qs, indoor);
    m_page.type(u"外机加氟"_qs, outdoor);
    m_page.click(u"室外机加氟量1"_qs);

    QCOMPARE(label->text(), total);
    QCOMPARE(label->drawnFont().bold(), layoutFont.bold());
    testing::VerifyDrawnWhole(*label, layoutFont);
}

QTEST_MAIN(RefrigerantPageTest)
#include "test_refrigerantpage.moc"
