#include "vent.h"

#include "tolerance.h"

namespace {

constexpr double kLongestShort = 2;
constexpr double kOutletRate = 750;
constexpr double kReturnRate = 800;
constexpr double kReturnExtraRate = 40;
constexpr double kFixedAmount = 70;
constexpr double kShortFactor = 0.18;
constexpr double kLongFactor = 0.22;
constexpr double kFactor = 1.2;

} // namespace

namespace kalmoro::vent {

bool IsShort(double length)
{
    return LessOrEqual(length, kLongestShort);
}

double OutletPrice(double length, double width)
{
    if (IsShort(length)) {
        const double a = length * width * kOutletRate;
        const double b = a + kFixedAmount;
        return b * kShortFactor * kFactor;
    }
    const double a = width * kOutletRate;
    const double b = a + kFixedAmount;
    return b * kLongFactor * length * kFactor;
}

double ReturnPrice(double length, double width)
{
    double c = 0;
    if (IsShort(length)) {
        const double a = length * width * kReturnRate * kFactor;
        const double b = a + kFixedAmount;
        c = b * kShortFactor * kFactor;
    } else {
        const double a = width * kReturnRate * kFactor;
        const double b = a + kFixedAmount;
        c = b * kLongFactor * length * kFactor;
    }
    const double d = length * width * kReturnExtraRate * kFactor;
    return c + d;
}

} // namespace kalmoro::vent
