#include <array>

#include <QFont>
#include <QRadioButton>
#include <QTest>

#include "numbertext.h"
#include "pages/refrigerantpage.h"
#include "pagetesting.h"
#include "widgets/transparentlabel.h"

using namespace kalmoro;
using kalmoro::testing::Text;

namespace {

template <std::size_t N> QStringList Names(const std::array<std::u16string_view, N> &names)
{
    QStringList list;
    for (const std::u16string_view name : names)
        list << Text(name);
    return list;
}

const QStringList ModelRadios = Names(refrigerantnames::kModels);
const QStringList OutdoorControls
    = Names(std::array {refrigerantnames::kIndoorUnits, refrigerantnames::kIndoorCapacity,
        refrigerantnames::kRatio, refrigerantnames::kOutdoorCharge, refrigerantnames::kComputeOutdoor});
const QStringList LiquidPipeBoxes = Names(refrigerantnames::kPipeLengths);

// A value left in 外机加氟 by the user, to see whether a click replaces it.
const QString EarlierCharge = u"9.75"_qs;

// A model marked by its caption, the capacity and unit count typed, and what 室内机加氟量 then
// shows; a warning leaves the earlier charge standing.
struct OutdoorExample {
    const char *name;
    QStringView model, capacity, units, ratio, charge, message;
};

constexpr QStringView TooLarge = u"配比率过大，请选择合适的室外机！";
constexpr QStringView TooSmall = u"配比率过小，请选择合适的室外机！";

constexpr OutdoorExample OutdoorExamples[] = {
    {"band 1 upper limit, 3 units", u"GMV-250W/A", u"26.25", u"3", u"1.05", u"1", u""},
    {"band 1 upper limit, 4 units", u"GMV-250W/A", u"26.25", u"4", u"1.05", u"2", u""},
    {"band 2 upper limit, 3 units", u"GMV-250W/A", u"33.75", u"3", u"1.35", u"2", u""},
    {"band 2 upper limit, 4 units", u"GMV-250W/A", u"33.75", u"4", u"1.35", u"3.5", u""},
    {"above band 2 keeps earlier charge", u"GMV-250W/A", u"34", u"4", u"1.36", u"9.75", TooLarge},
    {"within tolerance above 1.05 is band 1", u"GMV-250W/A", u"26.2500024", u"3", u"1.050000096", u"1", u""},
    {"beyond tolerance above 1.05 is band 2", u"GMV-250W/A", u"26.250003", u"3", u"1.05000012", u"2", u""},
    {"within tolerance above 1.35 is band 2", u"GMV-250W/A", u"33.7500024", u"3", u"1.350000096", u"2", u""},
    {"beyond tolerance above 1.35", u"GMV-250W/A", u"33.750003", u"3", u"1.35000012", u"9.75", TooLarge},
    {"just above 0.9 is band 1", u"GMV-250W/A", u"22.500003", u"3", u"0.90000012", u"1", u""},
    {"exactly 0.9 is band 1", u"GMV-250W/A", u"22.5", u"3", u"0.9", u"1", u""},
    {"within tolerance below 0.9 is band 1", u"GMV-250W/A", u"22.4999985", u"3", u"0.89999994", u"1", u""},
    {"beyond tolerance below 0.9", u"GMV-250W/A", u"22.499997", u"3", u"0.89999988", u"9.75", TooSmall},
    {"ratio shown to 13 digits", u"GMV-300W/A", u"28", u"3", u"0.9333333333333", u"1", u""},
    {"fractional capacity ratio 1", u"GMV-504W/A", u"50.4", u"2", u"1", u"2.5", u""},
    {"fractional capacity too small", u"GMV-504W/A", u"45", u"3", u"0.8928571428571", u"9.75", TooSmall},
    {"empty unit count is fewer than four", u"GMV-250W/A", u"25", u"", u"1", u"1", u""},
    {"3.5 units are fewer than four", u"GMV-250W/A", u"25", u"3.5", u"1", u"1", u""},
    {"units within tolerance of 4 are four", u"GMV-250W/A", u"25", u"3.99999995", u"1", u"2", u""},
    {"full-width capacity", u"GMV-250W/A", u"２６．２５", u"３", u"1.05", u"1", u""},
    {"empty capacity is too small", u"GMV-900W/A", u"", u"3", u"0", u"9.75", TooSmall},
    {"negative capacity is too small", u"GMV-400W/A", u"-40", u"3", u"-1", u"9.75", TooSmall},
    // An overflowing capacity shows "1.#INF", and that text reads back as 1.
    {"infinite ratio reads back as 1", u"GMV-250W/A", u"1e400", u"3", u"1.#INF", u"1", u""},
};

} // namespace

// Drives the refrigerant page of the real window with mouse clicks and keystrokes.
class RefrigerantPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_page.open(u"加氟计算按钮"_qs, 1); }
    void cleanup() { m_page.close(); }

    void outdoorCharge_data()
    {
        QTest::addColumn<int>("example");
        for (int i = 0; i < int(std::size(OutdoorExamples)); ++i)
            QTest::newRow(OutdoorExamples[i].name) << i;
    }

    void outdoorCharge()
    {
        QFETCH(int, example);
        const OutdoorExample &row = OutdoorExamples[example];

        m_page.type(u"外机加氟"_qs, EarlierCharge);
        m_page.click(radioOf(row.model));
        m_page.type(u"室内机总量"_qs, row.capacity.toString());
        m_page.type(u"室内机台数"_qs, row.units.toString());
        m_page.click(u"室内机加氟量"_qs);

        QCOMPARE(m_page.text(u"配比率"_qs), row.ratio);
        QCOMPARE(m_page.text(u"外机加氟"_qs), row.charge);
        QCOMPARE(
            m_page.messages, row.message.isEmpty() ? QStringList() : QStringList {row.message.toString()});
        QCOMPARE(m_page.text(u"室内机总量"_qs), row.capacity);
        QCOMPARE(m_page.text(u"内机加氟"_qs), QString());
        QCOMPARE(m_page.text(u"一共加氟"_qs), u"0"_qs);
    }

    void everyModelsRadioComputesWithItsModel_data()
    {
        QTest::addColumn<int>("model");
        for (int model = 0; model < int(refrigerant::OutdoorModels.size()); ++model)
            QTest::newRow(refrigerant::OutdoorModels[std::size_t(model)].name.toUtf8().constData()) << model;
    }

    // The radio captioned with a model's name computes with that model's capacity and charges, in
    // both bands for fewer and for at least four indoor units.
    void everyModelsRadioComputesWithItsModel()
    {
        QFETCH(int, model);
        const refrigerant::OutdoorModel &row = refrigerant::OutdoorModels[std::size_t(model)];
        const double charges[] = {row.band1Few, row.band1Many, row.band2Few, row.band2Many};

        m_page.click(radioOf(row.name));
        for (std::size_t column = 0; column < std::size(charges); ++column) {
            const bool band2 = column >= 2;
            m_page.type(u"室内机总量"_qs, NumberToText(band2 ? row.capacity * 1.2 : row.capacity));
            m_page.type(u"室内机台数"_qs, column % 2 ? u"4"_qs : u"3"_qs);
            m_page.click(u"室内机加氟量"_qs);
            QCOMPARE(m_page.text(u"配比率"_qs), band2 ? u"1.2"_qs : u"1"_qs);
            QCOMPARE(m_page.text(u"外机加氟"_qs), NumberToText(charges[column]));
        }
        QCOMPARE(m_page.messages, QStringList());
    }

    void ratioJudgedWithoutModel_data()
    {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("empty ratio") << QString() << QStringList {TooSmall.toString()};
        QTest::newRow("typed ratio in band 1") << u"1"_qs << QStringList();
        QTest::newRow("typed ratio in band 2") << u"1.2"_qs << QStringList();
        QTest::newRow("typed ratio too large") << u"1.4"_qs << QStringList {TooLarge.toString()};
        QTest::newRow("typed ratio too small") << u"0.8"_qs << QStringList {TooSmall.toString()};
    }

    // With no model marked the button computes nothing and only judges what 配比率 holds.
    void ratioJudgedWithoutModel()
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

    void indoorCharge_data()
    {
        QTest::addColumn<QStringList>("metres"); // the boxes left out stay empty
        QTest::addColumn<QString>("charge");
        QTest::newRow("6.35 and 9.52 only") << QStringList {"10", "10"} << u"0.76"_qs;
        QTest::newRow("every diameter")
            << QStringList {"15", "20", "10", "5", "3", "2", "1", "1"} << u"6.01"_qs;
        QTest::newRow("all empty") << QStringList() << u"0"_qs;
        QTest::newRow("28.58 only") << QStringList(7) + QStringList {"1"} << u"0.68"_qs;
        QTest::newRow("negative and fractional lengths") << QStringList {"-10", "0.5"} << u"-0.193"_qs;
        QTest::newRow("unit after number") << QStringList(6) + QStringList {"2米"} << u"1.04"_qs;
    }

    void indoorCharge()
    {
        QFETCH(QStringList, metres);
        QFETCH(QString, charge);
        metres.resize(LiquidPipeBoxes.size());

        m_page.type(u"外机加氟"_qs, EarlierCharge);
        for (qsizetype i = 0; i < LiquidPipeBoxes.size(); ++i)
            m_page.type(LiquidPipeBoxes[i], metres[i]);
        m_page.click(u"室外机加氟量"_qs);

        QCOMPARE(m_page.text(u"内机加氟"_qs), charge);
        QCOMPARE(m_page.text(u"外机加氟"_qs), EarlierCharge);
        QCOMPARE(m_page.text(u"一共加氟"_qs), u"0"_qs);
        QCOMPARE(m_page.messages, QStringList());
    }

    void total_data()
    {
        QTest::addColumn<QString>("indoor");
        QTest::addColumn<QString>("outdoor");
        QTest::addColumn<QString>("total");
        QTest::newRow("both parts") << u"0.76"_qs << u"2.5"_qs << u"3.26"_qs;
        QTest::newRow("both empty") << QString() << QString() << u"0"_qs;
        QTest::newRow("typed values used unchanged") << u"1.234"_qs << u"0.0001"_qs << u"1.2341"_qs;
        QTest::newRow("text that is no number") << u"abc"_qs << u"2kg"_qs << u"2"_qs;
        QTest::newRow("negative part") << u"-1"_qs << u"2.5"_qs << u"1.5"_qs;
        QTest::newRow("wide total") << u"9.8456"_qs << u"2.5"_qs << u"12.3456"_qs;
        QTest::newRow("13 digits") << u"0.9333333333333"_qs << u"2"_qs << u"2.933333333333"_qs;
        QTest::newRow("exponent form") << u"-1.234567890123e14"_qs << QString() << u"-1.234567890123e+014"_qs;
    }

    // The total adds the boxes as they stand and is drawn whole, never cut.
    void total()
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
        QCOMPARE(m_page.text(u"内机加氟"_qs), indoor);
        QCOMPARE(m_page.text(u"外机加氟"_qs), outdoor);
        QCOMPARE(label->drawnFont().bold(), layoutFont.bold());
        testing::VerifyDrawnWhole(*label, layoutFont);
    }

    // The outdoor-unit charge the user can no longer see stays out of the total, and counts again
    // once the outdoor part is back.
    void otherBrandLeavesTheOutdoorChargeOut()
    {
        m_page.click(radioOf(u"GMV-250W/A"));
        m_page.type(u"室内机总量"_qs, u"25"_qs);
        m_page.type(u"室内机台数"_qs, u"4"_qs);
        m_page.click(u"室内机加氟量"_qs);
        QCOMPARE(m_page.text(u"外机加氟"_qs), u"2"_qs);
        m_page.type(u"六"_qs, u"10"_qs);
        m_page.type(u"十"_qs, u"10"_qs);
        m_page.click(u"室外机加氟量"_qs);

        for (int round = 0; round < 2; ++round) {
            m_page.click(u"其他加氟"_qs);
            verifyOutdoorPart(false);
            for (const QString &label : {u"透明标签2"_qs, u"透明标签8"_qs, u"透明标签3"_qs, u"透明标签7"_qs,
                     u"透明标签4"_qs, u"透明标签6"_qs, u"透明标签9"_qs, u"室外机加氟图片"_qs})
                QVERIFY2(m_page.find(label)->isVisible(), qPrintable(label));
            m_page.click(u"室外机加氟量1"_qs);
            QCOMPARE(m_page.text(u"一共加氟"_qs), u"0.76"_qs);
            QCOMPARE(m_page.texts(OutdoorControls.mid(0, 4)), (QStringList {"4", "25", "1", "2"}));

            m_page.click(u"格力加氟"_qs);
            verifyOutdoorPart(true);
            m_page.click(u"室外机加氟量1"_qs);
            QCOMPARE(m_page.text(u"一共加氟"_qs), u"2.76"_qs);
        }
        QCOMPARE(m_page.messages, QStringList());

        // Another page and back leaves every text as it was.
        m_page.click(u"铜管价格按钮"_qs);
        m_page.click(u"加氟计算按钮"_qs);
        QCOMPARE(m_page.texts(OutdoorControls.mid(0, 4)), (QStringList {"4", "25", "1", "2"}));
        QCOMPARE(m_page.text(u"内机加氟"_qs), u"0.76"_qs);
        QCOMPARE(m_page.text(u"一共加氟"_qs), u"2.76"_qs);
    }

    // The twelve radios are one group: a model clears the brand's mark though the brand's mode stays
    // in force, and other brand and back leaves no model marked, so that the button only judges the
    // ratio standing.
    void radiosAreOneGroup()
    {
        m_page.click(u"格力加氟"_qs);
        m_page.click(radioOf(u"GMV-900W/A"));
        verifyOnlyChecked(radioOf(u"GMV-900W/A"));
        m_page.click(radioOf(u"GMV-250W/A"));
        verifyOnlyChecked(radioOf(u"GMV-250W/A"));
        for (const QString &control : ModelRadios + OutdoorControls)
            QVERIFY2(
                m_page.find(control)->isEnabled() && m_page.find(control)->isVisible(), qPrintable(control));
        m_page.type(u"室内机总量"_qs, u"26.25"_qs);
        m_page.type(u"室内机台数"_qs, u"3"_qs);
        m_page.click(u"室内机加氟量"_qs);
        QCOMPARE(m_page.texts({u"配比率"_qs, u"外机加氟"_qs}), (QStringList {"1.05", "1"}));

        m_page.click(u"其他加氟"_qs);
        m_page.click(u"格力加氟"_qs);
        verifyOnlyChecked(u"格力加氟"_qs);
        m_page.type(u"室内机总量"_qs, u"45"_qs);
        m_page.click(u"室内机加氟量"_qs);
        QCOMPARE(m_page.texts({u"配比率"_qs, u"外机加氟"_qs}), (QStringList {"1.05", "1"}));
        QCOMPARE(m_page.messages, QStringList());

        // A ratio outside the limits brings its message again.
        m_page.click(radioOf(u"GMV-250W/A"));
        m_page.type(u"室内机总量"_qs, u"34"_qs);
        m_page.click(u"室内机加氟量"_qs);
        m_page.click(u"其他加氟"_qs);
        m_page.click(u"格力加氟"_qs);
        m_page.type(u"室内机总量"_qs, u"45"_qs);
        m_page.click(u"室内机加氟量"_qs);
        QCOMPARE(m_page.texts({u"配比率"_qs, u"外机加氟"_qs}), (QStringList {"1.36", "1"}));
        QCOMPARE(m_page.messages, QStringList(2, TooLarge.toString()));
    }

private:
    // The radio that shows the model's name.
    QString radioOf(QStringView model) const
    {
        for (const QRadioButton *radio : m_page.window().findChildren<QRadioButton *>()) {
            if (radio->text() == model)
                return radio->objectName();
        }
        qFatal("no radio shows %s", qPrintable(model.toString()));
    }

    void verifyOutdoorPart(bool on)
    {
        QCOMPARE(m_page.find<QRadioButton>(u"格力加氟"_qs)->isChecked(), on);
        QCOMPARE(m_page.find<QRadioButton>(u"其他加氟"_qs)->isChecked(), !on);
        for (const QString &radio : ModelRadios)
            QVERIFY2(m_page.find(radio)->isEnabled() == on, qPrintable(radio));
        for (const QString &control : OutdoorControls)
            QVERIFY2(m_page.find(control)->isVisible() == on, qPrintable(control));
    }

    void verifyOnlyChecked(const QString &checked)
    {
        for (const QString &radio : ModelRadios + QStringList {u"格力加氟"_qs, u"其他加氟"_qs})
            QVERIFY2(m_page.find<QRadioButton>(radio)->isChecked() == (radio == checked), qPrintable(radio));
    }

    testing::PageDriver m_page;
};

QTEST_MAIN(RefrigerantPageTest)
#include "test_refrigerantpage.moc"
