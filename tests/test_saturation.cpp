#include <optional>

#include <QTest>

#include "saturation.h"

using namespace kalmoro::saturation;

namespace {

const Fluid &fluid(QStringView name)
{
    for (const Fluid &fluid : Fluids) {
        if (fluid.name == name)
            return fluid;
    }
    qFatal("no fluid %s", qPrintable(name.toString()));
}

// Temperatures in kelvin across the whole range of a fluid's curves, ends included.
QList<double> sweep(const Fluid &fluid)
{
    constexpr int kSteps = 2000;
    QList<double> kelvins;
    for (int step = 0; step <= kSteps; ++step)
        kelvins << fluid.lowestKelvin + (fluid.criticalKelvin - fluid.lowestKelvin) * step / kSteps;
    return kelvins;
}

} // namespace

Q_DECLARE_METATYPE(Side)
Q_DECLARE_METATYPE(Unit)
Q_DECLARE_METATYPE(Range)

class SaturationTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The curves' values as published, absolute, in MPa to 4 decimals.
    void referencePoints_data()
    {
        QTest::addColumn<QString>("fluid");
        QTest::addColumn<Side>("side");
        QTest::addColumn<double>("celsius");
        QTest::addColumn<double>("absoluteMPa");
        QTest::newRow("R32 at 0") << u"R32"_qs << Side::Bubble << 0.0 << 0.8131;
        QTest::newRow("R32 at 40") << u"R32"_qs << Side::Bubble << 40.0 << 2.4783;
        QTest::newRow("R410A bubble at 0") << u"R410A"_qs << Side::Bubble << 0.0 << 0.8007;
        QTest::newRow("R410A bubble at 40") << u"R410A"_qs << Side::Bubble << 40.0 << 2.4256;
        QTest::newRow("R410A dew at 0") << u"R410A"_qs << Side::Dew << 0.0 << 0.7981;
        QTest::newRow("R410A dew at 40") << u"R410A"_qs << Side::Dew << 40.0 << 2.4187;
        QTest::newRow("R22 bubble at 0") << u"R22"_qs << Side::Bubble << 0.0 << 0.4980;
        QTest::newRow("R22 bubble at 40") << u"R22"_qs << Side::Bubble << 40.0 << 1.5335;
    }

    void referencePoints()
    {
        QFETCH(QString, fluid);
        QFETCH(Side, side);
        QFETCH(double, celsius);
        QFETCH(double, absoluteMPa);
        const Value gauge = GaugePressure(::fluid(fluid), side, celsius);
        QVERIFY(gauge.ok());
        const double absolute = (gauge.value + 101325) / 1e6;
        QCOMPARE(std::round(absolute * 1e4) / 1e4, absoluteMPa);
    }

    // Over the whole range: the pressure rises with the temperature, the inverse gives back the
    // temperature within 0.001 K, and R22's two fits agree within 0.01 K.
    void curvesInvertAcrossTheirRange_data()
    {
        QTest::addColumn<QString>("fluid");
        QTest::addColumn<Side>("side");
        for (const Fluid &fluid : Fluids) {
            for (const Side side : {Side::Bubble, Side::Dew})
                QTest::addRow(
                    "%s %s", qPrintable(fluid.name.toString()), side == Side::Bubble ? "bubble" : "dew")
                    << fluid.name.toString() << side;
        }
    }

    void curvesInvertAcrossTheirRange()
    {
        QFETCH(QString, fluid);
        QFETCH(Side, side);
        const Fluid &curves = ::fluid(fluid);
        std::optional<double> previous;
        for (const double kelvin : sweep(curves)) {
            const double celsius = kelvin - ZeroCelsiusKelvin;
            const Value gauge = GaugePressure(curves, side, celsius);
            QVERIFY(gauge.ok());
            QVERIFY2(!previous || gauge.value > *previous, qPrintable(QString::number(kelvin)));
            previous = gauge.value;
            const Value back = SaturationTemperature(curves, side, gauge.value);
            QVERIFY(back.ok());
            QVERIFY2(std::abs(back.value - celsius) < 0.001, qPrintable(QString::number(kelvin)));
            // At the lowest temperature one fit's pressure may lie just below the other's range.
            if (fluid == u"R22"_qs && kelvin > curves.lowestKelvin) {
                const Side other = side == Side::Bubble ? Side::Dew : Side::Bubble;
                const Value otherBack = SaturationTemperature(curves, other, gauge.value);
                QVERIFY2(otherBack.ok() && std::abs(otherBack.value - celsius) < 0.01,
                    qPrintable(QString::number(kelvin)));
            }
        }
    }

    void unitsByDefinition_data()
    {
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<double>("mpaPerUnit");
        QTest::newRow("MPa") << Unit::MPa << 1.0;
        QTest::newRow("bar") << Unit::Bar << 0.1;
        QTest::newRow("kgf/cm²") << Unit::KgfPerCm2 << 0.0980665;
        QTest::newRow("psi") << Unit::Psi << 0.006894757293168;
    }

    void unitsByDefinition()
    {
        QFETCH(Unit, unit);
        QFETCH(double, mpaPerUnit);
        QCOMPARE(FromUnit(1, unit) / 1e6, mpaPerUnit);
        QCOMPARE(ToUnit(mpaPerUnit * 1e6, unit), 1.0);
    }

    void outOfRange_data()
    {
        QTest::addColumn<QString>("fluid");
        QTest::addColumn<bool>("fromPressure");
        QTest::addColumn<double>("input"); // ℃, or gauge MPa
        QTest::addColumn<Range>("range");
        QTest::newRow("R32 below its lowest temperature")
            << u"R32"_qs << false << -137.0 << Range::BelowCurve;
        QTest::newRow("R410A above critical") << u"R410A"_qs << false << 71.4 << Range::AboveCritical;
        QTest::newRow("R410A at critical") << u"R410A"_qs << false << 71.344 << Range::Within;
        QTest::newRow("R22 above critical pressure") << u"R22"_qs << true << 4.9 << Range::AboveCritical;
        QTest::newRow("R410A below its lowest pressure") << u"R410A"_qs << true << -0.1 << Range::BelowCurve;
        QTest::newRow("R32 at minus one atmosphere")
            << u"R32"_qs << true << -0.101325 << Range::NoAbsolutePressure;
        QTest::newRow("R22 below minus one atmosphere")
            << u"R22"_qs << true << -1.0 << Range::NoAbsolutePressure;
    }

    void outOfRange()
    {
        QFETCH(QString, fluid);
        QFETCH(bool, fromPressure);
        QFETCH(double, input);
        QFETCH(Range, range);
        for (const Side side : {Side::Bubble, Side::Dew}) {
            const Value value = fromPressure ? SaturationTemperature(::fluid(fluid), side, input * 1e6)
                                             : GaugePressure(::fluid(fluid), side, input);
            QCOMPARE(value.range, range);
        }
    }
};

QTEST_APPLESS_MAIN(SaturationTest)
#include "test_saturation.moc"
