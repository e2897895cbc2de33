#pragma once

#include <array>

#include <QStringView>

namespace kalmoro::copper {

// One pipe diameter of the price table. Its market price per metre is ((F / 1000) × k) / n for the
// futures copper price F.
struct PipeRow {
    QStringView metresBox; // name of the edit box for the metres needed
    QStringView priceBox; // name of the edit box for the market price per metre
    QStringView diameter; // mm, as shown
    double k; // mass factor
    double n; // length divisor
};

// Top row first, the order in which prices are refreshed and the total is summed.
inline constexpr std::array<PipeRow, 13> PipeRows = { {
    { u"编辑框1", u"编辑框2", u"6.35", 1.7, 15 },
    { u"编辑框3", u"编辑框4", u"9.53", 2.3, 15 },
    { u"编辑框5", u"编辑框6", u"12.7", 3.5, 15 },
    { u"编辑框7", u"编辑框8", u"15.88", 5.1, 15 },
    { u"编辑框9", u"编辑框10", u"19.05", 6.6, 15 },
    { u"编辑框11", u"编辑框12", u"22.23", 2.5, 4 },
    { u"编辑框13", u"编辑框14", u"25.4", 2.79, 4 },
    { u"编辑框15", u"编辑框16", u"28.58", 3.16, 4 },
    { u"编辑框17", u"编辑框18", u"31.75", 3.8, 4 },
    { u"编辑框19", u"编辑框20", u"34.93", 4.9, 4 },
    { u"编辑框21", u"编辑框22", u"38.1", 5.5, 4 },
    { u"编辑框23", u"编辑框24", u"41.3", 6.2, 4 },
    { u"编辑框25", u"编辑框26", u"44.45", 7.5, 4 },
} };

// The lowest futures price taken without a warning; the total is still computed after the warning.
inline constexpr double LowestFuturesPrice = 10000;
inline constexpr QStringView LowPriceMessage = u"铜价过低，请检查......";

double MarketPrice(double futuresPrice, const PipeRow &row);

bool IsFuturesPriceTooLow(double futuresPrice);

// What metres of pipe cost at a market price per metre: m × p × 1.2.
double RowAmount(double metres, double pricePerMetre);

// The row amounts for the metres and prices of each row, in the order of PipeRows, summed top to bottom.
double Total(const std::array<double, PipeRows.size()> &metres,
    const std::array<double, PipeRows.size()> &pricesPerMetre);

} // namespace kalmoro::copper
