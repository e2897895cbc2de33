#pragma once

#include <array>
#include <cstddef>

#include <QStringView>

namespace kalmoro::saturation {

// The most terms a published curve has.
inline constexpr std::size_t MostTerms = 6;

// One saturation curve: p = pc · exp(Tc / T · Σ n[i] · (1 − T / Tc)^t[i]) over its first terms, T in
// kelvin, p absolute in pascal.
struct Curve {
    std::array<double, MostTerms> n;
    std::array<double, MostTerms> t;
    std::size_t terms;
};

// A refrigerant and its two curves: the saturated liquid (bubble) and the saturated vapour (dew). A
// pure fluid has one curve, given twice, or two fits of it; a blend treated as pseudo-pure has two
// that differ by its glide.
struct Fluid {
    QStringView name;
    QStringView equationOfState; // the reference the curves were fitted to
    double criticalKelvin;
    double criticalPascal;
    double lowestKelvin; // the lowest temperature the curves were fitted for
    Curve bubble;
    Curve dew;
    int gwp; // 100-year global warming potential, IPCC AR4
    QStringView safetyClass; // ASHRAE 34: A1 not flammable, A2L mildly, A3 highly flammable
};

} // namespace kalmoro::saturation
