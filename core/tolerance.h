#pragma once

namespace kalmoro {

// The calculators never compare doubles exactly: values closer than this count as equal.
inline constexpr double Tolerance = 1e-7;

constexpr bool Greater(double x, double y)
{
    return x - y > Tolerance;
}

constexpr bool Less(double x, double y)
{
    return x - y < -Tolerance;
}

constexpr bool GreaterOrEqual(double x, double y)
{
    return x - y >= -Tolerance;
}

constexpr bool LessOrEqual(double x, double y)
{
    return x - y <= Tolerance;
}

} // namespace kalmoro
