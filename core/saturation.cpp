#include "saturation.h"

#include <cmath>

namespace kalmoro::saturation {

namespace {

Range temperatureRange(const Fluid &fluid, double kelvin)
{
    if (kelvin < fluid.lowestKelvin)
        return Range::BelowCurve;
    if (kelvin > fluid.criticalKelvin)
        return Range::AboveCritical;
    return Range::Within;
}

} // namespace

const UnitInfo &InfoOf(Unit unit)
{
    return Units[std::size_t(unit)];
}

const Curve &CurveOf(const Fluid &fluid, Side side)
{
    return side == Side::Bubble ? fluid.bubble : fluid.dew;
}

double CurvePressure(const Fluid &fluid, Side side, double kelvin)
{
    const Curve &curve = CurveOf(fluid, side);
    const double theta = 1 - kelvin / fluid.criticalKelvin;
    double sum = 0;
    for (std::size_t i = 0; i < curve.n.size(); ++i)
        sum += curve.n[i] * std::pow(theta, curve.t[i]);
    return fluid.criticalPascal * std::exp(fluid.criticalKelvin / kelvin * sum);
}

Value GaugePressure(const Fluid &fluid, Side side, double celsius)
{
    const double kelvin = celsius + ZeroCelsiusKelvin;
    if (const Range range = temperatureRange(fluid, kelvin); range != Range::Within)
        return {0, range};
    return {CurvePressure(fluid, side, kelvin) - StandardAtmospherePascal, Range::Within};
}

Value SaturationTemperature(const Fluid &fluid, Side side, double gaugePascal)
{
    if (gaugePascal <= -StandardAtmospherePascal)
        return {0, Range::NoAbsolutePressure};
    double low = fluid.lowestKelvin;
    double high = fluid.criticalKelvin;
    // The ends are compared as gauge pressures, as GaugePressure gives them, so that each end's own
    // pressure reads back as within range.
    if (gaugePascal < CurvePressure(fluid, side, low) - StandardAtmospherePascal)
        return {0, Range::BelowCurve};
    if (gaugePascal > fluid.criticalPascal - StandardAtmospherePascal)
        return {0, Range::AboveCritical};
    const double absolute = gaugePascal + StandardAtmospherePascal;
    // The pressure rises with the temperature all along the curve, so halving the bracket keeps the
    // root inside it; the bracket's width alone bounds the steps.
    while (high - low > SolverToleranceKelvin) {
        const double middle = (low + high) / 2;
        if (CurvePressure(fluid, side, middle) < absolute)
            low = middle;
        else
            high = middle;
    }
    return {(low + high) / 2 - ZeroCelsiusKelvin, Range::Within};
}

Value Superheat(const Fluid &fluid, double lowGaugePascal, double suctionCelsius)
{
    const Value evaporating = SaturationTemperature(fluid, Side::Dew, lowGaugePascal);
    return {suctionCelsius - evaporating.value, evaporating.range};
}

Value Subcooling(const Fluid &fluid, double highGaugePascal, double liquidCelsius)
{
    const Value condensing = SaturationTemperature(fluid, Side::Bubble, highGaugePascal);
    return {condensing.value - liquidCelsius, condensing.range};
}

double ToUnit(double pascal, Unit unit)
{
    return pascal / InfoOf(unit).pascal;
}

double FromUnit(double value, Unit unit)
{
    return value * InfoOf(unit).pascal;
}

} // namespace kalmoro::saturation
