#include "refrigerant.h"

#include "tolerance.h"

namespace {

constexpr double kSmallestRatio = 0.9;
constexpr double kBandLimit = 1.05;
constexpr double kLargestRatio = 1.35;
constexpr double kFewIndoorUnits = 4;

} // namespace

namespace kalmoro::refrigerant {

double CapacityRatio(double indoorCapacity, const OutdoorModel &model)
{
    return indoorCapacity / model.capacity;
}

Band RatioBand(double ratio)
{
    // A ratio within the tolerance of 0.9 counts as band 1, so no ratio falls between band and warning.
    if (GreaterOrEqual(ratio, kSmallestRatio) && !Greater(ratio, kBandLimit))
        return Band::One;
    if (Greater(ratio, kBandLimit) && !Greater(ratio, kLargestRatio))
        return Band::Two;
    return Band::None;
}

double OutdoorCharge(const OutdoorModel &model, Band band, double indoorUnits)
{
    const bool few = Less(indoorUnits, kFewIndoorUnits);
    if (band == Band::One)
        return few ? model.band1Few : model.band1Many;
    return few ? model.band2Few : model.band2Many;
}

QStringView RatioWarning(double ratio)
{
    if (Greater(ratio, kLargestRatio))
        return RatioTooLargeMessage;
    if (Less(ratio, kSmallestRatio))
        return RatioTooSmallMessage;
    return {};
}

double IndoorCharge(const std::array<double, LiquidPipes.size()> &metres)
{
    double sum = metres[0] * LiquidPipes[0].kgPerMetre;
    for (std::size_t i = 1; i < LiquidPipes.size(); ++i)
        sum = sum + metres[i] * LiquidPipes[i].kgPerMetre;
    return sum;
}

double TotalCharge(double indoorCharge, double outdoorCharge)
{
    return indoorCharge + outdoorCharge;
}

} // namespace kalmoro::refrigerant
