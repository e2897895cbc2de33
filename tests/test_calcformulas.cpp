#include <algorithm>
#include <array>

#include <QSet>
#include <QStringList>
#include <QTest>

#include "calc/copper.h"
#include "calc/numbertext.h"
#include "calc/refrigerant.h"
#include "calc/vent.h"

using namespace kalmoro;

namespace {

using refrigerant::Band;

const refrigerant::OutdoorModel &Model(const QString &radio)
{
    const auto found = std::find_if(refrigerant::OutdoorModels.begin(), refrigerant::OutdoorModels.end(),
                                    [&](const refrigerant::OutdoorModel &model) { return model.radio == radio; });
    Q_ASSERT(found != refrigerant::OutdoorModels.end());
    return *found;
}

// The market price of a row as its box shows it and the total reads it back.
double ShownMarketPrice(double futuresPrice, const copper::PipeRow &row)
{
    return TextToNumber(NumberToText(copper::MarketPrice(futuresPrice, row)));
}

template <std::size_t N>
std::array<double, N> Numbers(const QStringList &texts)
{
    std::array<double, N> numbers{};
    for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(texts.size()); ++i)
        numbers[i] = TextToNumber(texts[static_cast<qsizetype>(i)]);
    return numbers;
}

} // namespace

class CalcFormulasTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outdoorModels();
    void outdoorCharge_data();
    void outdoorCharge();
    void everyRatioGetsBandOrWarning();
    void indoorCharge_data();
    void indoorCharge();
    void totalCharge();
    void marketPrice_data();
    void marketPrice();
    void copperTotal_data();
    void copperTotal();
    void lowFuturesPrice_data();
    void lowFuturesPrice();
    void ventPrice_data();
    void ventPrice();
};

void CalcFormulasTest::outdoorModels()
{
    QSet<QStringView> radios;
    for (const refrigerant::OutdoorModel &model : refrigerant::OutdoorModels) {
        // "GMV-250W/A" is 25 kW: the model number over ten.
        QCOMPARE(model.caption.mid(4, 3).toDouble() / 10, model.capacity);
        QVERIFY(model.caption.startsWith(u"GMV-") && model.caption.endsWith(u"W/A"));
        radios.insert(model.radio);
    }
    QCOMPARE(radios.size(), qsizetype(refrigerant::OutdoorModels.size()));
}

void CalcFormulasTest::outdoorCharge_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("indoorCapacity");
    QTest::addColumn<QString>("indoorUnits");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("charge"); // empty when the box is left alone
    QTest::addColumn<QString>("message");
    const QString tooLarge = refrigerant::RatioTooLargeMessage.toString();
    const QString tooSmall = refrigerant::RatioTooSmallMessage.toString();
    QTest::newRow("top of band 1, three units") << "二百五" << "26.25" << "3" << "1.05" << "1" << "";
    QTest::newRow("top of band 1, four units") << "二百五" << "26.25" << "4" << "1.05" << "2" << "";
    QTest::newRow("top of band 2, three units") << "二百五" << "33.75" << "3" << "1.35" << "2" << "";
    QTest::newRow("top of band 2, four units") << "二百五" << "33.75" << "4" << "1.35" << "3.5" << "";
    QTest::newRow("above band 2") << "二百五" << "34" << "4" << "1.36" << "" << tooLarge;
    QTest::newRow("within tolerance above band 1") << "二百五" << "26.2500024" << "3" << "1.050000096" << "1" << "";
    QTest::newRow("beyond tolerance above band 1") << "二百五" << "26.250003" << "3" << "1.05000012" << "2" << "";
    QTest::newRow("within tolerance above band 2") << "二百五" << "33.7500024" << "4" << "1.350000096" << "3.5"
                                                   << "";
    QTest::newRow("beyond tolerance above band 2") << "二百五" << "33.750003" << "4" << "1.35000012" << ""
                                                   << tooLarge;
    QTest::newRow("just above band 1 floor") << "二百五" << "22.500003" << "4" << "0.90000012" << "2" << "";
    QTest::newRow("band 1 floor itself") << "二百五" << "22.5" << "3" << "0.9" << "1" << "";
    QTest::newRow("within tolerance below band 1 floor") << "二百五" << "22.4999985" << "3" << "0.89999994" << "1"
                                                         << "";
    QTest::newRow("beyond tolerance below band 1 floor") << "二百五" << "22.499997" << "3" << "0.89999988" << ""
                                                         << tooSmall;
    QTest::newRow("ratio shown with 13 digits") << "三百" << "28" << "4" << "0.9333333333333" << "2" << "";
    QTest::newRow("below band 1") << "五零四" << "45" << "2" << "0.8928571428571" << "" << tooSmall;
    QTest::newRow("ratio one") << "五零四" << "50.4" << "2" << "1" << "2.5" << "";
    QTest::newRow("no units typed count as fewer than four") << "四百" << "40" << "" << "1" << "2" << "";
    QTest::newRow("three and a half units are fewer than four") << "四百" << "40" << "3.5" << "1" << "2" << "";
    QTest::newRow("within tolerance of four units") << "四百" << "40" << "3.99999995" << "1" << "3.5" << "";
    QTest::newRow("no capacity typed") << "七八五" << "" << "4" << "0" << "" << tooSmall;
    QTest::newRow("largest model in band 2") << "九百" << "100" << "5" << "1.111111111111" << "8" << "";
    QTest::newRow("shared charges, own capacity") << "四百五" << "45" << "6" << "1" << "3.5" << "";
}

void CalcFormulasTest::outdoorCharge()
{
    QFETCH(QString, radio);
    QFETCH(QString, indoorCapacity);
    QFETCH(QString, indoorUnits);
    QFETCH(QString, ratio);
    QFETCH(QString, charge);
    QFETCH(QString, message);

    const refrigerant::OutdoorModel &model = Model(radio);
    const QString ratioText = NumberToText(refrigerant::CapacityRatio(TextToNumber(indoorCapacity), model));
    QCOMPARE(ratioText, ratio);
    const double shownRatio = TextToNumber(ratioText);
    const Band band = refrigerant::RatioBand(shownRatio);
    const QString chargeText = band == Band::None
        ? QString()
        : NumberToText(refrigerant::OutdoorCharge(model, band, TextToNumber(indoorUnits)));
    QCOMPARE(chargeText, charge);
    QCOMPARE(refrigerant::RatioWarning(shownRatio).toString(), message);
}

void CalcFormulasTest::everyRatioGetsBandOrWarning()
{
    for (double ratio = 0.8999; ratio < 0.9001; ratio += 1e-9) {
        QVERIFY2((refrigerant::RatioBand(ratio) != Band::None) != !refrigerant::RatioWarning(ratio).isEmpty(),
                 qPrintable(NumberToText(ratio)));
    }
    for (double ratio = 1.3499; ratio < 1.3501; ratio += 1e-9) {
        QVERIFY2((refrigerant::RatioBand(ratio) != Band::None) != !refrigerant::RatioWarning(ratio).isEmpty(),
                 qPrintable(NumberToText(ratio)));
    }
}

void CalcFormulasTest::indoorCharge_data()
{
    QTest::addColumn<QStringList>("metres");
    QTest::addColumn<QString>("charge");
    QTest::newRow("nothing typed") << QStringList() << "0";
    QTest::newRow("two smallest pipes") << QStringList{"10", "10"} << "0.76";
    QTest::newRow("every pipe") << QStringList{"15", "20", "10", "5", "3", "2", "1", "1"} << "6.01";
    QTest::newRow("largest pipe only") << QStringList{"", "", "", "", "", "", "", "2.5"} << "1.7";
    QTest::newRow("negative and fractional lengths") << QStringList{"-10", "0.5"} << "-0.193";
}

void CalcFormulasTest::indoorCharge()
{
    QFETCH(QStringList, metres);
    QFETCH(QString, charge);
    const auto lengths = Numbers<refrigerant::LiquidPipes.size()>(metres);
    QCOMPARE(NumberToText(refrigerant::IndoorCharge(lengths)), charge);
}

void CalcFormulasTest::totalCharge()
{
    QCOMPARE(NumberToText(refrigerant::TotalCharge(TextToNumber(u"0.76"), TextToNumber(u"2.5"))), u"3.26");
}

void CalcFormulasTest::marketPrice_data()
{
    QTest::addColumn<double>("futuresPrice");
    QTest::addColumn<QStringList>("prices");
    QTest::newRow("60000") << 60000.0
                           << QStringList{"6.8", "9.2",  "14", "20.4", "26.4", "37.5", "41.85",
                                          "47.4", "57", "73.5", "82.5", "93",   "112.5"};
    QTest::newRow("68000, first rows rounded to 13 digits")
        << 68000.0 << QStringList{"7.706666666667", "10.42666666667"};
    QTest::newRow("nothing typed") << 0.0 << QStringList(13, "0");
}

void CalcFormulasTest::marketPrice()
{
    QFETCH(double, futuresPrice);
    QFETCH(QStringList, prices);
    for (qsizetype i = 0; i < prices.size(); ++i) {
        const copper::PipeRow &row = copper::PipeRows[static_cast<std::size_t>(i)];
        QCOMPARE(NumberToText(copper::MarketPrice(futuresPrice, row)), prices[i]);
    }
}

void CalcFormulasTest::copperTotal_data()
{
    QTest::addColumn<double>("futuresPrice");
    QTest::addColumn<QStringList>("metres");
    QTest::addColumn<QStringList>("typedPrices"); // empty entries keep the refreshed price
    QTest::addColumn<QString>("total");
    QTest::newRow("10 m in every row at 68000") << 68000.0 << QStringList(13, "10") << QStringList() << "8459.88";
    QTest::newRow("nothing typed") << 68000.0 << QStringList() << QStringList() << "0";
    QTest::newRow("price typed by hand") << 60000.0 << QStringList{"10"} << QStringList{"5"} << "60";
    QTest::newRow("metres in the last row only") << 60000.0 << (QStringList(12, "") << "2") << QStringList()
                                                 << "270";
}

void CalcFormulasTest::copperTotal()
{
    QFETCH(double, futuresPrice);
    QFETCH(QStringList, metres);
    QFETCH(QStringList, typedPrices);
    QFETCH(QString, total);
    std::array<double, copper::PipeRows.size()> prices{};
    for (std::size_t i = 0; i < prices.size(); ++i) {
        const auto typed = static_cast<qsizetype>(i);
        prices[i] = typed < typedPrices.size() && !typedPrices[typed].isEmpty()
            ? TextToNumber(typedPrices[typed])
            : ShownMarketPrice(futuresPrice, copper::PipeRows[i]);
    }
    QCOMPARE(NumberToText(copper::Total(Numbers<copper::PipeRows.size()>(metres), prices)), total);
}

void CalcFormulasTest::lowFuturesPrice_data()
{
    QTest::addColumn<double>("futuresPrice");
    QTest::addColumn<bool>("tooLow");
    QTest::newRow("exactly the lowest") << 10000.0 << false;
    QTest::newRow("one below") << 9999.0 << true;
    QTest::newRow("nothing typed") << 0.0 << true;
    QTest::newRow("below by less than the tolerance") << 9999.99999995 << false;
    QTest::newRow("below by more than the tolerance") << 9999.9999998 << true;
    QTest::newRow("a usual price") << 68000.0 << false;
}

void CalcFormulasTest::lowFuturesPrice()
{
    QFETCH(double, futuresPrice);
    QFETCH(bool, tooLow);
    QCOMPARE(copper::IsFuturesPriceTooLow(futuresPrice), tooLow);
}

void CalcFormulasTest::ventPrice_data()
{
    QTest::addColumn<bool>("outlet");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("price");
    QTest::newRow("outlet, nothing typed") << true << "" << "" << "15.12";
    QTest::newRow("outlet, short") << true << "1" << "0.2" << "47.52";
    QTest::newRow("outlet, at the length limit") << true << "2" << "0.2" << "79.92";
    QTest::newRow("outlet, within tolerance of the limit") << true << "2.00000005" << "0.2" << "79.92000162";
    QTest::newRow("outlet, beyond tolerance of the limit") << true << "2.0000002" << "0.2" << "116.160011616";
    QTest::newRow("outlet, just long") << true << "2.001" << "0.2" << "116.21808";
    QTest::newRow("outlet, long") << true << "2.5" << "0.2" << "145.2";
    QTest::newRow("outlet, long and narrow") << true << "3" << "0.15" << "144.54";
    QTest::newRow("outlet, full-width length") << true << "２．５" << "0.2" << "145.2";
    QTest::newRow("return, nothing typed") << false << "" << "" << "15.12";
    QTest::newRow("return, short") << false << "1" << "0.3" << "91.728";
    QTest::newRow("return, long") << false << "3" << "0.2" << "236.304";
    QTest::newRow("return, long at 2.5") << false << "2.5" << "0.2" << "196.92";
}

void CalcFormulasTest::ventPrice()
{
    QFETCH(bool, outlet);
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(QString, price);
    const double l = TextToNumber(length);
    const double w = TextToNumber(width);
    QCOMPARE(NumberToText(outlet ? vent::OutletPrice(l, w) : vent::ReturnPrice(l, w)), price);
}

QTEST_APPLESS_MAIN(CalcFormulasTest)
#include "test_calcformulas.moc"
