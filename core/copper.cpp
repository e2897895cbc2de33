#include "copper.h"

#include "tolerance.h"

namespace {

constexpr double kKilogramsPerTonne = 1000;
constexpr double kRowFactor = 1.2;

} // namespace

namespace kalmoro::copper {

QString PipeName(const PipeRow &row)
{
    return QStringLiteral("Φ%1铜管").arg(row.diameter);
}

double MarketPrice(double futuresPrice, const PipeRow &row)
{
    const double perKilogram = futuresPrice / kKilogramsPerTonne;
    const double perLength = perKilogram * row.k;
    return perLength / row.n;
}

bool IsFuturesPriceTooLow(double futuresPrice)
{
    return Less(futuresPrice, LowestFuturesPrice);
}

double RowAmount(double metres, double pricePerMetre)
{
    return metres * pricePerMetre * kRowFactor;
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
