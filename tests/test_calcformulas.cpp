#include <QTest>

#include "copper.h"
#include "numbertext.h"
#include "refrigerant.h"
#include "tolerance.h"
#include "vent.h"

using namespace kalmoro;
using refrigerant::Band;

namespace {

// A number as a page shows it and reads it back: rounded to 13 significant digits.
double shown(double value)
{
    return TextToNumber(NumberToText(value));
}

const refrigerant::OutdoorModel &model(QStringView name)
{
    for (const refrigerant::OutdoorModel &model : refrigerant::OutdoorModels) {
        if (model.name == name)
            return model;
    }
    qFatal("no model %s", qPrintable(name.toString()));
}

} // namespace

// The calculators' worked examples, straight on the formulas, without a window; the page suites
// run the same examples through the window, with its reads, writes, messages and order. Also what
// a page cannot reach: values a hair's breadth either side of the tolerance.
class CalcFormulasTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copperMarketPrices_data()
    {
        QTest::addColumn<double>("futures");
        QTest::addColumn<QStringList>("prices");
        QTest::newRow("60000") << 60000.0
                               << QStringList {"6.8", "9.2", "14", "20.4", "26.4", "37.5", "41.85", "47.4",
                                      "57", "73.5", "82.5", "93", "112.5"};
        QTest::newRow("68000, 13 significant digits")
            << 68000.0 << QStringList {"7.706666666667", "10.42666666667"};
        QTest::newRow("0") << 0.0 << QStringList(copper::PipeRows.size(), u"0"_qs);
    }

    void copperMarketPrices()
    {
        QFETCH(double, futures);
        QFETCH(QStringList, prices);
        for (qsizetype row = 0; row < prices.size(); ++row)
            QCOMPARE(
                NumberToText(copper::MarketPrice(futures, copper::PipeRows[std::size_t(row)])), prices[row]);
    }

    void copperTotal_data()
    {
        QTest::addColumn<double>("futures");
        QTest::addColumn<double>("metres");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("tooLow");
        QTest::newRow("68000, 10 m every row") << 68000.0 << 10.0 << "8459.88" << false;
        QTest::newRow("10000, no metres") << 10000.0 << 0.0 << "0" << false;
        QTest::newRow("9999 is too low") << 9999.0 << 0.0 << "0" << true;
    }

    void copperTotal()
    {
        QFETCH(double, futures);
        QFETCH(double, metres);
        QFETCH(QString, total);
        QFETCH(bool, tooLow);
        std::array<double, copper::PipeRows.size()> lengths {};
        std::array<double, copper::PipeRows.size()> prices {};
        for (std::size_t row = 0; row < lengths.size(); ++row) {
            lengths[row] = metres;
            prices[row] = shown(copper::MarketPrice(futures, copper::PipeRows[row]));
        }
        QCOMPARE(NumberToText(copper::Total(lengths, prices)), total);
        QCOMPARE(copper::IsFuturesPriceTooLow(futures), tooLow);
    }

    void ventPrices_data()
    {
        QTest::addColumn<bool>("outlet");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("price");
        QTest::newRow("outlet, empty") << true << 0.0 << 0.0 << "15.12";
        QTest::newRow("outlet 1 x 0.2") << true << 1.0 << 0.2 << "47.52";
        QTest::newRow("outlet 2 x 0.2, the short limit") << true << 2.0 << 0.2 << "79.92";
        QTest::newRow("outlet 2.001 x 0.2, long") << true << 2.001 << 0.2 << "116.21808";
        QTest::newRow("outlet 2.5 x 0.2") << true << 2.5 << 0.2 << "145.2";
        QTest::newRow("outlet 3 x 0.15") << true << 3.0 << 0.15 << "144.54";
        QTest::newRow("return, empty") << false << 0.0 << 0.0 << "15.12";
        QTest::newRow("return 1 x 0.3") << false << 1.0 << 0.3 << "91.728";
        QTest::newRow("return 3 x 0.2") << false << 3.0 << 0.2 << "236.304";
        QTest::newRow("return 2.5 x 0.2") << false << 2.5 << 0.2 << "196.92";
    }

    void ventPrices()
    {
        QFETCH(bool, outlet);
        QFETCH(double, length);
        QFETCH(double, width);
        QFETCH(QString, price);
        QCOMPARE(NumberToText(outlet ? vent::OutletPrice(length, width) : vent::ReturnPrice(length, width)),
            price);
    }

    void outdoorCharge_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<double>("indoorCapacity");
        QTest::addColumn<double>("indoorUnits");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("charge"); // empty: none, the warning instead
        QTest::newRow("band 1, 3 units") << "GMV-250W/A" << 26.25 << 3.0 << "1.05"
                                         << "1";
        QTest::newRow("band 1, 4 units") << "GMV-250W/A" << 26.25 << 4.0 << "1.05"
                                         << "2";
        QTest::newRow("band 2, 3 units") << "GMV-250W/A" << 33.75 << 3.0 << "1.35"
                                         << "2";
        QTest::newRow("band 2, 4 units") << "GMV-250W/A" << 33.75 << 4.0 << "1.35"
                                         << "3.5";
        QTest::newRow("too large") << "GMV-250W/A" << 34.0 << 3.0 << "1.36"
                                   << "";
        QTest::newRow("band 1 by the tolerance") << "GMV-250W/A" << 26.2500024 << 3.0 << "1.050000096"
                                                 << "1";
        QTest::newRow("band 2 beyond the tolerance") << "GMV-250W/A" << 26.250003 << 3.0 << "1.05000012"
                                                     << "2";
        QTest::newRow("too large beyond the tolerance") << "GMV-250W/A" << 33.750003 << 3.0 << "1.35000012"
                                                        << "";
        QTest::newRow("too small beyond the tolerance") << "GMV-250W/A" << 22.499997 << 3.0 << "0.89999988"
                                                        << "";
        QTest::newRow("13 digits") << "GMV-300W/A" << 28.0 << 3.0 << "0.9333333333333"
                                   << "1";
        QTest::newRow("too small") << "GMV-504W/A" << 45.0 << 3.0 << "0.8928571428571"
                                   << "";
        QTest::newRow("ratio 1, 2 units") << "GMV-504W/A" << 50.4 << 2.0 << "1"
                                          << "2.5";
        QTest::newRow("3.5 units are few") << "GMV-504W/A" << 50.4 << 3.5 << "1"
                                           << "2.5";
        QTest::newRow("no units are few") << "GMV-504W/A" << 50.4 << 0.0 << "1"
                                          << "2.5";
    }

    void outdoorCharge()
    {
        QFETCH(QString, model);
        QFETCH(double, indoorCapacity);
        QFETCH(double, indoorUnits);
        QFETCH(QString, ratio);
        QFETCH(QString, charge);
        const double ratioShown = shown(refrigerant::CapacityRatio(indoorCapacity, ::model(model)));
        QCOMPARE(NumberToText(ratioShown), ratio);
        const refrigerant::Band band = refrigerant::RatioBand(ratioShown);
        QCOMPARE(band == Band::None, charge.isEmpty());
        if (band != Band::None)
            QCOMPARE(NumberToText(refrigerant::OutdoorCharge(::model(model), band, indoorUnits)), charge);
    }

    // The charges of the ten models, by band and by fewer or at least four indoor units.
    void chargesOfEveryModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<double>("capacity"); // kW: a ratio of 1 in band 1, 1.2 times it in band 2
        QTest::addColumn<QStringList>("charges"); // band 1 few, band 1 many, band 2 few, band 2 many
        QTest::newRow("GMV-250W/A") << "GMV-250W/A" << 25.0 << QStringList {"1", "2", "2", "3.5"};
        QTest::newRow("GMV-300W/A") << "GMV-300W/A" << 30.0 << QStringList {"1", "2", "2", "3.5"};
        QTest::newRow("GMV-350W/A") << "GMV-350W/A" << 35.0 << QStringList {"1.5", "3", "2.5", "4"};
        QTest::newRow("GMV-400W/A") << "GMV-400W/A" << 40.0 << QStringList {"2", "3.5", "3", "5"};
        QTest::newRow("GMV-450W/A") << "GMV-450W/A" << 45.0 << QStringList {"2", "3.5", "3", "5"};
        QTest::newRow("GMV-504W/A") << "GMV-504W/A" << 50.4 << QStringList {"2.5", "4", "3.5", "5.5"};
        QTest::newRow("GMV-560W/A") << "GMV-560W/A" << 56.0 << QStringList {"3", "4.5", "4", "6"};
        QTest::newRow("GMV-615W/A") << "GMV-615W/A" << 61.5 << QStringList {"3.5", "5", "4", "6"};
        QTest::newRow("GMV-785W/A") << "GMV-785W/A" << 78.5 << QStringList {"4", "5", "5", "7"};
        QTest::newRow("GMV-900W/A") << "GMV-900W/A" << 90.0 << QStringList {"4", "6", "6", "8"};
    }

    void chargesOfEveryModel()
    {
        QFETCH(QString, model);
        QFETCH(double, capacity);
        QFETCH(QStringList, charges);
        const refrigerant::OutdoorModel &outdoor = ::model(model);
        QCOMPARE(NumberToText(refrigerant::CapacityRatio(capacity, outdoor)), u"1"_qs);
        const double band2Ratio = shown(refrigerant::CapacityRatio(capacity * 1.2, outdoor));
        QCOMPARE(refrigerant::RatioBand(band2Ratio), Band::Two);
        QStringList computed;
        for (const Band band : {Band::One, Band::Two}) {
            for (const double units : {3.0, 4.0})
                computed << NumberToText(refrigerant::OutdoorCharge(outdoor, band, units));
        }
        QCOMPARE(computed, charges);
    }

    void indoorAndTotalCharge_data()
    {
        QTest::addColumn<QList<double>>("metres");
        QTest::addColumn<QString>("indoor");
        QTest::addColumn<QString>("total"); // with an outdoor charge of 2.5
        QTest::newRow("10 m of the two thinnest") << QList<double> {10, 10, 0, 0, 0, 0, 0, 0} << "0.76"
                                                  << "3.26";
        QTest::newRow("every diameter") << QList<double> {15, 20, 10, 5, 3, 2, 1, 1} << "6.01"
                                        << "8.51";
    }

    void indoorAndTotalCharge()
    {
        QFETCH(QList<double>, metres);
        QFETCH(QString, indoor);
        QFETCH(QString, total);
        std::array<double, refrigerant::LiquidPipes.size()> lengths {};
        std::copy(metres.begin(), metres.end(), lengths.begin());
        const double indoorShown = shown(refrigerant::IndoorCharge(lengths));
        QCOMPARE(NumberToText(indoorShown), indoor);
        QCOMPARE(NumberToText(refrigerant::TotalCharge(indoorShown, 2.5)), total);
    }

    void tolerance_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("greater");
        QTest::addColumn<bool>("less");
        QTest::addColumn<bool>("greaterOrEqual");
        QTest::addColumn<bool>("lessOrEqual");
        QTest::newRow("equal") << 2.0 << 2.0 << false << false << true << true;
        QTest::newRow("above by less than the tolerance")
            << 2.00000005 << 2.0 << false << false << true << true;
        QTest::newRow("below by less than the tolerance")
            << 1.99999995 << 2.0 << false << false << true << true;
        QTest::newRow("above by more than the tolerance")
            << 2.0000002 << 2.0 << true << false << true << false;
        QTest::newRow("below by more than the tolerance")
            << 1.9999998 << 2.0 << false << true << false << true;
    }

    void tolerance()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, greater);
        QFETCH(bool, less);
        QFETCH(bool, greaterOrEqual);
        QFETCH(bool, lessOrEqual);
        QCOMPARE(Greater(x, y), greater);
        QCOMPARE(Less(x, y), less);
        QCOMPARE(GreaterOrEqual(x, y), greaterOrEqual);
        QCOMPARE(LessOrEqual(x, y), lessOrEqual);
    }

    void ratioBandAtTheToleranceEdge_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("warning");
        const QString tooLarge = refrigerant::RatioTooLargeMessage.toString();
        const QString tooSmall = refrigerant::RatioTooSmallMessage.toString();
        QTest::newRow("0.99 tolerance below 0.9 is band 1") << 0.9 - 0.99e-7 << int(Band::One) << "";
        QTest::newRow("1.01 tolerance below 0.9 is too small")
            << 0.9 - 1.01e-7 << int(Band::None) << tooSmall;
        QTest::newRow("0.99 tolerance above 1.05 is band 1") << 1.05 + 0.99e-7 << int(Band::One) << "";
        QTest::newRow("1.01 tolerance above 1.05 is band 2") << 1.05 + 1.01e-7 << int(Band::Two) << "";
        QTest::newRow("0.99 tolerance above 1.35 is band 2") << 1.35 + 0.99e-7 << int(Band::Two) << "";
        QTest::newRow("1.01 tolerance above 1.35 is too large")
            << 1.35 + 1.01e-7 << int(Band::None) << tooLarge;
    }

    void ratioBandAtTheToleranceEdge()
    {
        QFETCH(double, ratio);
        QFETCH(int, band);
        QFETCH(QString, warning);
        QCOMPARE(int(refrigerant::RatioBand(ratio)), band);
        QCOMPARE(refrigerant::RatioWarning(ratio).toString(), warning);
    }

    // No ratio may fall between the bands and the warnings, nor get both.
    void everyRatioGetsBandOrWarning()
    {
        for (const double edge : {0.9, 1.35}) {
            for (double ratio = edge - 1e-4; ratio < edge + 1e-4; ratio += 1e-9) {
                QVERIFY2((refrigerant::RatioBand(ratio) != Band::None)
                        != !refrigerant::RatioWarning(ratio).isEmpty(),
                    qPrintable(NumberToText(ratio)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(CalcFormulasTest)
#include "test_calcformulas.moc"
