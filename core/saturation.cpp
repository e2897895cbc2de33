#include "saturation.h"

#include <cmath>

namespace kalmoro::saturation {

namespace {

// A fit that rises above the critical pressure does so within this much of the critical temperature
// (R407C's bubble curve, the most, from 0.1 K below it).
constexpr double kTopBandKelvin = 1;
// The highest point is found to far below the solver's tolerance.
constexpr double kTopToleranceKelvin = 1e-9;

Range temperatureRange(const Fluid &fluid, Side side, double kelvin)
{
    if (kelvin < fluid.lowestKelvin)
        return Range::BelowCurve;
    if (kelvin > fluid.criticalKelvin - kTopBandKelvin && kelvin > HighestKelvin(fluid, side))
        return Range::AboveCritical;
    return Range::Within;
}

} // namespace

bool IsBlend(const Fluid &fluid)
{
    const QStringView name = fluid.name;
    const auto digit = [&name](qsizetype at) { return name[at] >= u'0' && name[at] <= u'9'; };
    return name.size() >= 4 && name[0] == u'R' && (name[1] == u'4' || name[1] == u'5') && digit(2)
        && digit(3);
}

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
    for (std::size_t i = 0; i < curve.terms; ++i)
        sum += curve.n[i] * std::pow(theta, curve.t[i]);
    return fluid.criticalPascal * std::exp(fluid.criticalKelvin / kelvin * sum);
}

double HighestKelvin(const Fluid &fluid, Side side)
{
    const double critical = fluid.criticalKelvin;
    double low = critical - kTopBandKelvin;
    double high = critical;
    // Within the band the curve rises to one highest point, so each step keeps it inside the bracket.
    while (high - low > kTopToleranceKelvin) {
        const double third = (high - low) / 3;
        if (CurvePressure(fluid, side, low + third) < CurvePressure(fluid, side, high - third))
            low += third;
        else
            high -= third;
    }
    const double top = (low + high) / 2;
    return CurvePressure(fluid, side, critical) >= CurvePressure(fluid, side, top) ? critical : top;
}

Value GaugePressure(const Fluid &fluid, Side side, double celsius)
{
    const double kelvin = celsius + ZeroCelsiusKelvin;
    if (const Range range = temperatureRange(fluid, side, kelvin); range != Range::Within)
        return {0, range};
    return {CurvePressure(fluid, side, kelvin) - StandardAtmospherePascal, Range::Within};
}

Value SaturationTemperature(const Fluid &fluid, Side side, double gaugePascal)
{
    if (gaugePascal <= -StandardAtmospherePascal)
        return {0, Range::NoAbsolutePressure};
    double low = fluid.lowestKelvin;
    double high = HighestKelvin(fluid, side);
    // The ends are compared as gauge pressures, as GaugePressure gives them, so that each end's own
    // pressure reads back as within range.
    if (gaugePascal < CurvePressure(fluid, side, low) - StandardAtmospherePascal)
        return {0, Range::BelowCurve};
    if (gaugePascal > CurvePressure(fluid, side, high) - StandardAtmospherePascal)
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
