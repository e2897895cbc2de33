#include "calc/refrigerant.h"

#include "calc/tolerance.h"

namespace {

constexpr double SmallestRatio = 0.9;
constexpr double BandLimit = 1.05;
constexpr double LargestRatio = 1.35;
constexpr double FewIndoorUnits = 4;

} // namespace

namespace kalmoro::refrigerant {

double CapacityRatio(double indoorCapacity, const OutdoorModel &model)
{
    return indoorCapacity / model.capacity;
}

Band RatioBand(double ratio)
{
    // A ratio within the tolerance of 0.9 counts as band 1, so no ratio falls between band and warning.
    if (GreaterOrEqual(ratio, SmallestRatio) && !Greater(ratio, BandLimit))
        return Band::One;
    if (Greater(ratio, BandLimit) && !Greater(ratio, LargestRatio))
        return Band::Two;
    return Band::None;
}

double OutdoorCharge(const OutdoorModel &model, Band band, double indoorUnits)
{
    const bool few = Less(indoorUnits, FewIndoorUnits);
    if (band == Band::One)
        return few ? model.band1Few : model.band1Many;
    return few ? model.band2Few : model.band2Many;
}

QStringView RatioWarning(double ratio)
{
    if (Greater(ratio, LargestRatio))
        return RatioTooLargeMessage;
    if (Less(ratio, SmallestRatio))
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
