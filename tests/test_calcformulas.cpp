#include <QTest>

#include "numbertext.h"
#include "refrigerant.h"
#include "tolerance.h"

using namespace kalmoro;
using refrigerant::Band;

// The worked examples of the calculators go through the real window in the page suites. Here is
// only what a page cannot reach: values a hair's breadth either side of the tolerance.
class CalcFormulasTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        for (const double edge : { 0.9, 1.35 }) {
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
