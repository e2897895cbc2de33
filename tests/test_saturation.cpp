#include <optional>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

// Temperatures in kelvin across the whole range of a curve, ends included.
QList<double> sweep(const Fluid &fluid, Side side)
{
    constexpr int kSteps = 2000;
    const double top = HighestKelvin(fluid, side);
    QList<double> kelvins;
    for (int step = 0; step < kSteps; ++step)
        kelvins << fluid.lowestKelvin + (top - fluid.lowestKelvin) * step / kSteps;
    return kelvins << top;
}

// The data the curves are compiled from.
QJsonObject data()
{
    QFile file(QStringLiteral(KALMORO_REFRIGERANT_DATA));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", KALMORO_REFRIGERANT_DATA);
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

Q_DECLARE_METATYPE(Side)
Q_DECLARE_METATYPE(Unit)
Q_DECLARE_METATYPE(Range)

class SaturationTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reference points published with the data, absolute MPa to the decimals given, both ways:
    // the pressure at the temperature, and the temperature at that pressure within 0.01 K.
    void referencePoints_data()
    {
        QTest::addColumn<QString>("fluid");
        QTest::addColumn<Side>("side");
        QTest::addColumn<double>("celsius");
        QTest::addColumn<double>("absoluteMPa");
        const QJsonObject points = data()[u"reference_points"_qs].toObject();
        for (auto curve = points.begin(); curve != points.end(); ++curve) {
            if (curve.key() == u"about"_qs)
                continue;
            const QStringList words = curve.key().split(u' ');
            const Side side = words[1] == u"dew"_qs ? Side::Dew : Side::Bubble;
            const QJsonObject temperatures = curve.value().toObject();
            for (auto point = temperatures.begin(); point != temperatures.end(); ++point)
                QTest::addRow("%s at %s", qPrintable(curve.key()), qPrintable(point.key()))
                    << words[0] << side << point.key().chopped(2).toDouble() << point.value().toDouble();
        }
    }

    void referencePoints()
    {
        QFETCH(QString, fluid);
        QFETCH(Side, side);
        QFETCH(double, celsius);
        QFETCH(double, absoluteMPa);
        const Value gauge = GaugePressure(::fluid(fluid), side, celsius);
        QVERIFY(gauge.ok());
        const double absolute = (gauge.value + StandardAtmospherePascal) / 1e6;
        QCOMPARE(std::round(absolute * 1e4) / 1e4, absoluteMPa);
        const Value back
            = SaturationTemperature(::fluid(fluid), side, absoluteMPa * 1e6 - StandardAtmospherePascal);
        QVERIFY(back.ok());
        QVERIFY2(std::abs(back.value - celsius) < 0.01, qPrintable(QString::number(back.value)));
    }

    // Each curve's range is the data's, from its lowest temperature to its critical point or the
    // highest point of its fit just below it; beyond either end nothing is given.
    void rangeEnds_data()
    {
        QTest::addColumn<QString>("fluid");
        QTest::addColumn<double>("lowestKelvin");
        QTest::addColumn<double>("criticalKelvin");
        QTest::addColumn<double>("criticalPascal");
        const QJsonObject fluids = data()[u"fluids"_qs].toObject();
        QCOMPARE(fluids.size(), qsizetype(Fluids.size()));
        for (auto fluid = fluids.begin(); fluid != fluids.end(); ++fluid) {
            const QJsonObject values = fluid.value().toObject();
            QTest::addRow("%s", qPrintable(fluid.key()))
                << fluid.key() << values[u"Tmin"_qs].toDouble() << values[u"Tc"_qs].toDouble()
                << values[u"pc"_qs].toDouble();
        }
    }

    void rangeEnds()
    {
        QFETCH(QString, fluid);
        QFETCH(double, lowestKelvin);
        QFETCH(double, criticalKelvin);
        QFETCH(double, criticalPascal);
        constexpr double kBeyond = 0.01; // K, or a part in a thousand of the pressure
        const Fluid &curves = ::fluid(fluid);
        QCOMPARE(curves.criticalPascal, criticalPascal);
        for (const Side side : {Side::Bubble, Side::Dew}) {
            const double top = HighestKelvin(curves, side);
            QVERIFY(top <= criticalKelvin && top > criticalKelvin - 0.1);
            const auto gauge
                = [&](double kelvin) { return GaugePressure(curves, side, kelvin - ZeroCelsiusKelvin); };
            QVERIFY(gauge(lowestKelvin).ok());
            QCOMPARE(gauge(lowestKelvin - kBeyond).range, Range::BelowCurve);
            QVERIFY(gauge(top).ok());
            QCOMPARE(gauge(criticalKelvin + kBeyond).range, Range::AboveCritical);
            const double lowest = gauge(lowestKelvin).value;
            const double highest = gauge(top).value;
            const double belowLowest
                = (lowest + StandardAtmospherePascal) * (1 - kBeyond / 10) - StandardAtmospherePascal;
            QCOMPARE(SaturationTemperature(curves, side, belowLowest).range, Range::BelowCurve);
            QCOMPARE(SaturationTemperature(curves, side, highest * (1 + kBeyond / 10)).range,
                Range::AboveCritical);
            QVERIFY(std::abs(SaturationTemperature(curves, side, highest).value + ZeroCelsiusKelvin - top)
                < 0.001);
        }
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
        const double top = HighestKelvin(curves, side);
        std::optional<double> previous;
        for (const double kelvin : sweep(curves, side)) {
            const double celsius = kelvin - ZeroCelsiusKelvin;
            const Value gauge = GaugePressure(curves, side, celsius);
            QVERIFY(gauge.ok());
            QVERIFY2(!previous || gauge.value > *previous, qPrintable(QString::number(kelvin)));
            previous = gauge.value;
            const Value back = SaturationTemperature(curves, side, gauge.value);
            QVERIFY(back.ok());
            QVERIFY2(std::abs(back.value - celsius) < 0.001, qPrintable(QString::number(kelvin)));
            // At either end one fit's pressure may lie just beyond the other's range.
            if (fluid == u"R22"_qs && kelvin > curves.lowestKelvin && kelvin < top) {
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
        QTest::newRow("R410A at critical") << u"R410A"_qs << false << 71.344 << Range::Within;
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
