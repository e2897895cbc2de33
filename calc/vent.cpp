#include "calc/vent.h"

#include "calc/tolerance.h"

namespace {

constexpr double LongestShort = 2;
constexpr double OutletRate = 750;
constexpr double ReturnRate = 800;
constexpr double ReturnExtraRate = 40;
constexpr double FixedAmount = 70;
constexpr double ShortFactor = 0.18;
constexpr double LongFactor = 0.22;
constexpr double Factor = 1.2;

} // namespace

namespace kalmoro::vent {

bool IsShort(double length)
{
    return LessOrEqual(length, LongestShort);
}

double OutletPrice(double length, double width)
{
    if (IsShort(length)) {
        const double a = length * width * OutletRate;
        const double b = a + FixedAmount;
        return b * ShortFactor * Factor;
    }
    const double a = width * OutletRate;
    const double b = a + FixedAmount;
    return b * LongFactor * length * Factor;
}

double ReturnPrice(double length, double width)
{
    double c = 0;
    if (IsShort(length)) {
        const double a = length * width * ReturnRate * Factor;
        const double b = a + FixedAmount;
        c = b * ShortFactor * Factor;
    } else {
        const double a = width * ReturnRate * Factor;
        const double b = a + FixedAmount;
        c = b * LongFactor * length * Factor;
    }
    const double d = length * width * ReturnExtraRate * Factor;
    return c + d;
}

} // namespace kalmoro::vent
