#pragma once

#include <array>

#include <QString>
#include <QStringView>

namespace kalmoro::copper {

// One pipe diameter of the price table. Its market price per metre is ((F / 1000) × k) / n for the
// futures copper price F.
struct PipeRow {
    QStringView diameter; // mm, as shown
    double k; // mass factor
    double n; // length divisor
};

// Top row first, the order in which prices are refreshed and the total is summed.
inline constexpr std::array<PipeRow, 13> PipeRows = {{
    {u"6.35", 1.7, 15},
    {u"9.53", 2.3, 15},
    {u"12.7", 3.5, 15},
    {u"15.88", 5.1, 15},
    {u"19.05", 6.6, 15},
    {u"22.23", 2.5, 4},
    {u"25.4", 2.79, 4},
    {u"28.58", 3.16, 4},
    {u"31.75", 3.8, 4},
    {u"34.93", 4.9, 4},
    {u"38.1", 5.5, 4},
    {u"41.3", 6.2, 4},
    {u"44.45", 7.5, 4},
}};

// The lowest futures price taken without a warning; the total is still computed after the warning.
inline constexpr double LowestFuturesPrice = 10000;
inline constexpr QStringView LowPriceMessage = u"铜价过低，请检查......";

double MarketPrice(double futuresPrice, const PipeRow &row);

// The pipe as the page and the quotation name it: "Φ6.35铜管".
QString PipeName(const PipeRow &row);

bool IsFuturesPriceTooLow(double futuresPrice);

// What metres of pipe cost at a market price per metre: m × p × 1.2.
double RowAmount(double metres, double pricePerMetre);

// The row amounts for the metres and prices of each row, in the order of PipeRows, summed top to bottom.
double Total(const std::array<double, PipeRows.size()> &metres,
    const std::array<double, PipeRows.size()> &pricesPerMetre);

} // namespace kalmoro::copper
