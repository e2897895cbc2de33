#pragma once

#include <array>

#include <QStringView>

// Saturation pressure and temperature of the refrigerants an installer reads on a gauge manifold.
namespace kalmoro::saturation {

// One saturation curve: p = pc · exp(Tc / T · Σ n[i] · (1 − T / Tc)^t[i]), T in kelvin, p absolute in
// pascal.
struct Curve {
    std::array<double, 6> n;
    std::array<double, 6> t;
};

// A refrigerant and its two curves: the saturated liquid (bubble) and the saturated vapour (dew). A
// pure fluid has one curve, given twice; a near-azeotropic blend treated as pseudo-pure has two that
// differ by its small glide.
struct Fluid {
    QStringView name;
    double criticalKelvin;
    double criticalPascal;
    double lowestKelvin; // the lowest temperature the curves were fitted for
    Curve bubble;
    Curve dew;
    bool glides; // whether bubble and dew differ enough to show both
};

enum class Side { Bubble, Dew };

// The curves published with CoolProp's fluid files (MIT licence, http://www.coolprop.org), fitted to
// each fluid's reference equation of state (R32: Tillner-Roth and Yokozeki 1997; R410A: Lemmon 2003,
// pseudo-pure; R22: Kamei et al. 1995) within 0.001 % to 0.022 %. In the order of the page's radios.
inline constexpr std::array<Fluid, 3> Fluids = {{
    {u"R410A", 344.494, 4901200.0, 200.0,
        {{-7.393982466686463, 1.4712516902869381, -0.10468488716031096, -2.612149622992068,
             0.24139536090585145, -2.688737604664642},
            {1.002, 1.579, 2.313, 2.841, 3.77, 5.337}},
        {{-8.81630527169583, 3.0101820364714076, -1.0140011045291613, -3.736880461403412, 1.478360466811462,
             -34.64742822281509},
            {1.018, 1.285, 1.862, 3.869, 5.725, 10.878}},
        true},
    {u"R32", 351.255, 5782000.0, 136.34,
        {{0.019194334673139708, -6.794802163795212, 9.276391392786632, -12.327153852761946, 28.46579606476374,
             -28.570870718190093},
            {0.531, 0.979, 2.203, 2.382, 3.421, 3.558}},
        {{0.019194334673139708, -6.794802163795212, 9.276391392786632, -12.327153852761946, 28.46579606476374,
             -28.570870718190093},
            {0.531, 0.979, 2.203, 2.382, 3.421, 3.558}},
        false},
    // Its two fits agree within 0.01 K, so one temperature is shown: the dew curve's.
    {u"R22", 369.295, 4990000.0, 115.73,
        {{0.14078959771894048, -6.6171269814683065, 1.6782909752933965, -2.5338941612118235,
             -2.979681135700748, 0.4341331068854343},
            {0.806, 0.979, 1.977, 2.453, 4.897, 8.097}},
        {{-7.2670371701641265, 1.2860929616388512, -0.10790119794275199, -0.989473291657183,
             -2.9393096353041623, 0.488431917326884},
            {0.999, 1.272, 1.692, 2.74, 4.539, 15.876}},
        false},
}};

// A gauge reads the pressure above the standard atmosphere.
inline constexpr double StandardAtmospherePascal = 101325;
inline constexpr double ZeroCelsiusKelvin = 273.15;
// The inverse is solved to well within the 0.001 K its results promise.
inline constexpr double SolverToleranceKelvin = 1e-6;

// Why a value could not be given.
enum class Range {
    Within,
    BelowCurve, // colder than the lowest temperature of the curve, or a pressure below it
    AboveCritical, // hotter than the critical point, or a pressure above it
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
