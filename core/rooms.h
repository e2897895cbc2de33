#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringView>

#include "loadindices.h"

namespace kalmoro::rooms {

// Areas, indices, loads, capacities and the diversity factor are exact decimals in hundredths of
// their unit, written and read as decimal texts like the job's money.
using Centi = qint64;
inline constexpr int CentiDecimals = 2;

// What a cell of a room takes; anything else is refused with its reason and nothing is computed from it.
inline constexpr Centi MaxArea = 10'000'000; // 100000 m², more than any one room
inline constexpr Centi MinIndex = 2'000; // W/m²: below any room that needs cooling
inline constexpr Centi MaxIndex = 100'000; // W/m²: above a server room's
inline constexpr Centi MaxCapacity = 100'000; // kW, above any indoor unit
inline constexpr int MinUnits = 1;
inline constexpr int MaxUnits = 99;
inline constexpr Centi MinDiversity = 50;
inline constexpr Centi MaxDiversity = 100;
inline constexpr qsizetype MaxRooms = 1'000;
// The published default, to the hundredth.
inline constexpr Centi DefaultDiversity = Centi(Diversity.defaultValue * 100 + 0.5);

struct IndoorUnit {
    QString model;
    Centi capacity = 0; // kW, rated cooling, of one unit
    int count = 1;
    bool operator==(const IndoorUnit &) const = default;
};

struct Room {
    QString name;
    QString type; // a room type's name, or the user's own
    Centi area = 0; // m²
    Centi index = 0; // W/m²
    IndoorUnit unit;
    bool operator==(const Room &) const = default;
};

// A cell's text read as its value, or the reason it is refused.
struct CellValue {
    std::optional<qint64> value;
    QString refusal;
};
// text as a value in hundredths within [low, high]; what names the cell in the reason, unit follows
// the bounds in it.
CellValue ReadBounded(QStringView text, QStringView what, qint64 low, qint64 high, QStringView unit);
CellValue ReadArea(QStringView text);
CellValue ReadIndex(QStringView text);
CellValue ReadCapacity(QStringView text);
CellValue ReadCount(QStringView text);
CellValue ReadDiversity(QStringView text);

// n / d, d > 0, rounded half away from zero.
qint64 RoundedDivide(qint64 n, qint64 d);

const RoomType *FindRoomType(QStringView name);
// "130–180 W/m²（来源）", for the index a type fills in.
QString IndexRangeText(const RoomType &type);

// area × index, in kW rounded half away from zero to 0.01.
Centi RoomLoad(const Room &room);
// The rounded load in tenths of a 匹, rounded half away from zero.
qint64 Horsepower(Centi load);
// Capacity × count of the room's units, in kW.
Centi RoomCapacity(const Room &room);
bool UnderCapacity(const Room &room);

struct Summary {
    Centi load = 0; // the rooms' rounded loads summed
    Centi indoorCapacity = 0;
    Centi diversifiedLoad = 0; // load × diversity, rounded to 0.01 kW
    int units = 0;
    QList<qsizetype> underCapacity; // rows whose units cannot carry their load
    bool operator==(const Summary &) const = default;
};
Summary Summarize(const QList<Room> &rooms, Centi diversity);

// The index of the smallest outdoor model of the refrigerant page whose connection ratio, computed
// as that page computes it from the capacity written into it, lies within its accepted band, and
// whose capacity covers the diversified load; empty when none fits.
std::optional<qsizetype> SuggestOutdoor(const Summary &summary);
// The index in the refrigerant page's OutdoorModels of the model of that name.
std::optional<qsizetype> FindOutdoorModel(QStringView name);
inline constexpr QStringView NoOutdoorFits
    = u"没有合适的室外机：十款室外机中没有一款的配比率在 0.9 至 1.35 之间且容量不小于同时使用的负荷。";

} // namespace kalmoro::rooms
