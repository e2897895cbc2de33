#pragma once

#include <array>

#include <QStringView>

#include "saturationcurve.h"
#include "saturationfluids.h"

// Saturation pressure and temperature of the refrigerants an installer reads on a gauge manifold.
namespace kalmoro::saturation {

// Fluids, the refrigerants in the order the pressure page offers them, is generated at build time
// from core/data/refrigerant-saturation.json: the curves published with CoolProp's fluid files (MIT
// licence, http://www.coolprop.org), each fitted to the fluid's reference equation of state.

enum class Side { Bubble, Dew };

// ASHRAE 34 numbers the blends in the 400 series (zeotropic) and the 500 series (azeotropic): only
// they have a bubble and a dew point worth telling apart. A pure fluid's two fits, where it has two,
// agree within 0.01 K, and the dew curve's temperature is the one shown.
bool IsBlend(const Fluid &fluid);

// A gauge reads the pressure above the standard atmosphere.
inline constexpr double StandardAtmospherePascal = 101325;
inline constexpr double ZeroCelsiusKelvin = 273.15;
// The inverse is solved to well within the 0.001 K its results promise.
inline constexpr double SolverToleranceKelvin = 1e-6;

// Why a value could not be given.
enum class Range {
    Within,
    BelowCurve, // colder than the lowest temperature of the curve, or a pressure below it
    AboveCritical, // hotter than the curve's upper end, or a pressure above it
    NoAbsolutePressure, // a gauge pressure at or below minus one atmosphere
};

struct Value {
    double value = 0; // meaningful only within range
    Range range = Range::Within;
    bool ok() const { return range == Range::Within; }
};

// The pressure units of the gauges on the market, in the order of the page's radios.
enum class Unit { MPa, Bar, KgfPerCm2, Psi };
struct UnitInfo {
    QStringView name;
    double pascal; // one unit in pascal, by definition
    int decimals; // as the page shows it
};
// 1 kgf = 9.80665 N; 1 lb = 0.45359237 kg; 1 in = 0.0254 m.
inline constexpr std::array<UnitInfo, 4> Units = {{
    {u"MPa", 1e6, 3},
    {u"bar", 1e5, 2},
    {u"kgf/cm²", 9.80665e4, 2},
    {u"psi", 0.45359237 * 9.80665 / (0.0254 * 0.0254), 1},
}};
const UnitInfo &InfoOf(Unit unit);

const Curve &CurveOf(const Fluid &fluid, Side side);

// The upper end of a curve's range: the critical temperature, or, for a fit that rises a little above
// the critical pressure just below it, the temperature of its highest pressure. Up to there each
// pressure has one temperature.
double HighestKelvin(const Fluid &fluid, Side side);

// The absolute saturation pressure in pascal at a temperature in kelvin within the curve's range.
double CurvePressure(const Fluid &fluid, Side side, double kelvin);

// The gauge saturation pressure in pascal at a temperature in ℃.
Value GaugePressure(const Fluid &fluid, Side side, double celsius);
// The saturation temperature in ℃ at a gauge pressure in pascal, by bisection on the curve.
Value SaturationTemperature(const Fluid &fluid, Side side, double gaugePascal);

// Superheat in K: the suction-pipe temperature above the evaporating temperature (dew curve) at
// the low-side gauge pressure. Subcooling in K: the liquid-pipe temperature below the condensing
// temperature (bubble curve) at the high-side gauge pressure.
Value Superheat(const Fluid &fluid, double lowGaugePascal, double suctionCelsius);
Value Subcooling(const Fluid &fluid, double highGaugePascal, double liquidCelsius);

double ToUnit(double pascal, Unit unit);
double FromUnit(double value, Unit unit);

} // namespace kalmoro::saturation
