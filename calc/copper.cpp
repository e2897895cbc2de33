#include "calc/copper.h"

#include "calc/tolerance.h"

namespace {

constexpr double KilogramsPerTonne = 1000;
constexpr double RowFactor = 1.2;

} // namespace

namespace kalmoro::copper {

double MarketPrice(double futuresPrice, const PipeRow &row)
{
    const double perKilogram = futuresPrice / KilogramsPerTonne;
    const double perLength = perKilogram * row.k;
    return perLength / row.n;
}

bool IsFuturesPriceTooLow(double futuresPrice)
{
    return Less(futuresPrice, LowestFuturesPrice);
}

double RowAmount(double metres, double pricePerMetre)
{
    return metres * pricePerMetre * RowFactor;
}

double Total(const std::array<double, PipeRows.size()> &metres,
    const std::array<double, PipeRows.size()> &pricesPerMetre)
{
    double total = RowAmount(metres[0], pricesPerMetre[0]);
    for (std::size_t i = 1; i < PipeRows.size(); ++i)
        total = total + RowAmount(metres[i], pricesPerMetre[i]);
    return total;
}

} // namespace kalmoro::copper
