#pragma once

#include <array>

#include <QStringView>

namespace kalmoro::refrigerant {

// An outdoor unit of the one series the calculator knows, and the refrigerant (kg) to add to it on
// the site, by ratio band and by whether fewer than four indoor units are connected.
struct OutdoorModel {
    QStringView name; // as its radio button shows it
    double capacity; // kW
    double band1Few;
    double band1Many;
    double band2Few;
    double band2Many;
};

// In the order of the radios, capacities rising.
inline constexpr std::array<OutdoorModel, 10> OutdoorModels = {{
    {u"GMV-250W/A", 25, 1, 2, 2, 3.5},
    {u"GMV-300W/A", 30, 1, 2, 2, 3.5},
    {u"GMV-350W/A", 35, 1.5, 3, 2.5, 4},
    {u"GMV-400W/A", 40, 2, 3.5, 3, 5},
    {u"GMV-450W/A", 45, 2, 3.5, 3, 5},
    {u"GMV-504W/A", 50.4, 2.5, 4, 3.5, 5.5},
    {u"GMV-560W/A", 56, 3, 4.5, 4, 6},
    {u"GMV-615W/A", 61.5, 3.5, 5, 4, 6},
    {u"GMV-785W/A", 78.5, 4, 5, 5, 7},
    {u"GMV-900W/A", 90, 4, 6, 6, 8},
}};

// Refrigerant liquid pipe of one outer diameter and the charge each metre of it needs.
struct LiquidPipe {
    QStringView name; // as the label beside its length shows it
    double kgPerMetre;
};

// In the order the lengths are read and summed.
inline constexpr std::array<LiquidPipe, 8> LiquidPipes = {{
    {u"冷媒液管Φ6.35", 0.022},
    {u"冷媒液管Φ9.52", 0.054},
    {u"冷媒液管Φ12.7", 0.11},
    {u"冷媒液管Φ15.88", 0.17},
    {u"冷媒液管Φ19.05", 0.25},
    {u"冷媒液管Φ22.23", 0.35},
    {u"冷媒液管Φ25.4", 0.52},
    {u"冷媒液管Φ28.58", 0.68},
}};

inline constexpr QStringView RatioTooLargeMessage = u"配比率过大，请选择合适的室外机！";
inline constexpr QStringView RatioTooSmallMessage = u"配比率过小，请选择合适的室外机！";

// Where the ratio of indoor to outdoor capacity lies: band 1 from 0.9 up to 1.05, band 2 above that up
// to 1.35, compared with the calculators' tolerance.
enum class Band { None, One, Two };

// Total indoor capacity (kW) over the model's capacity.
double CapacityRatio(double indoorCapacity, const OutdoorModel &model);

Band RatioBand(double ratio);

// The charge (kg) of model for a ratio in band 1 or 2 and the number of indoor units.
double OutdoorCharge(const OutdoorModel &model, Band band, double indoorUnits);

// The warning for a ratio outside both bands, or an empty view.
QStringView RatioWarning(double ratio);

// Metres of each liquid pipe, in the order of LiquidPipes, to kg: the products summed first to last.
double IndoorCharge(const std::array<double, LiquidPipes.size()> &metres);

double TotalCharge(double indoorCharge, double outdoorCharge);

} // namespace kalmoro::refrigerant
