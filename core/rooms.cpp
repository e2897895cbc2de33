#include "rooms.h"

#include <algorithm>

#include "job.h"
#include "numbertext.h"
#include "refrigerant.h"

namespace kalmoro::rooms {

namespace {

constexpr qint64 Hundred = 100;
// area (0.01 m²) × index (0.01 W/m²) is in 0.0001 W; a load is held in 0.01 kW, that is 10 W.
constexpr qint64 AreaIndexPerLoad = 100'000;
constexpr qint64 WattsPerLoad = 10;
constexpr qint64 TenthsPerHorsepower = 10;
// Enough decimals to see that a typed count is not whole.
constexpr int MillionthDecimals = 6;
constexpr qint64 Million = 1'000'000;

QString Text(Centi value)
{
    return FormatDecimal(value, CentiDecimals, 0);
}

} // namespace

qint64 RoundedDivide(qint64 n, qint64 d)
{
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

CellValue ReadBounded(QStringView text, QStringView what, qint64 low, qint64 high, QStringView unit)
{
    if (text.trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("请填写%1").arg(what)};
    const std::optional<qint64> value = ParseDecimal(text, CentiDecimals);
    if (!value)
        return {std::nullopt, QStringLiteral("%1“%2”不是数").arg(what, text)};
    if (*value < low || *value > high) {
        return {
            std::nullopt, QStringLiteral("%1应在 %2 至 %3%4 之间").arg(what, Text(low), Text(high), unit)};
    }
    return {value, {}};
}

CellValue ReadArea(QStringView text)
{
    CellValue area = ReadBounded(text, u"面积", 1, MaxArea, u" m²");
    if (area.value || text.trimmed().isEmpty())
        return area;
    // Zero and negative areas are the usual slip; say so rather than quote the bounds.
    if (const std::optional<qint64> value = ParseDecimal(text, CentiDecimals); value && *value <= 0)
        return {std::nullopt, QStringLiteral("面积应大于 0")};
    return area;
}

CellValue ReadIndex(QStringView text)
{
    return ReadBounded(text, u"冷负荷指标", MinIndex, MaxIndex, u" W/m²");
}

CellValue ReadCapacity(QStringView text)
{
    CellValue capacity = ReadBounded(text, u"制冷量", 1, MaxCapacity, u" kW");
    if (const std::optional<qint64> value = ParseDecimal(text, CentiDecimals);
        !capacity.value && value && *value <= 0)
        return {std::nullopt, QStringLiteral("制冷量应大于 0")};
    return capacity;
}

CellValue ReadCount(QStringView text)
{
    const CellValue count = ReadBounded(text, u"台数", MinUnits * Hundred, MaxUnits * Hundred, {});
    if (text.trimmed().isEmpty() || !ParseDecimal(text, CentiDecimals))
        return count;
    // A count is whole: 1.5 and 1.001 are refused, not rounded.
    const std::optional<qint64> millionths = ParseDecimal(text, MillionthDecimals);
    if (!count.value || !millionths || *millionths % Million != 0)
        return {std::nullopt, QStringLiteral("台数应为 %1 至 %2 的整数").arg(MinUnits).arg(MaxUnits)};
    return {*count.value / Hundred, {}};
}

CellValue ReadDiversity(QStringView text)
{
    return ReadBounded(text, u"同时使用系数", MinDiversity, MaxDiversity, {});
}

const RoomType *FindRoomType(QStringView name)
{
    const auto *found = std::find_if(
        RoomTypes.cbegin(), RoomTypes.cend(), [name](const RoomType &type) { return type.name == name; });
    return found == RoomTypes.cend() ? nullptr : found;
}

QString IndexRangeText(const RoomType &type)
{
    const auto *source = std::find_if(IndexSources.cbegin(), IndexSources.cend(),
        [&type](const IndexSource &candidate) { return candidate.key == type.source; });
    QString text = QStringLiteral("%1–%2 W/m²").arg(type.low).arg(type.high);
    if (source != IndexSources.cend())
        text += QStringLiteral("（%1）").arg(source->text);
    return text;
}

Centi RoomLoad(const Room &room)
{
    return RoundedDivide(room.area * room.index, AreaIndexPerLoad);
}

qint64 Horsepower(Centi load)
{
    return RoundedDivide(load * WattsPerLoad * TenthsPerHorsepower, WattsPerHorsepower);
}

Centi RoomCapacity(const Room &room)
{
    return room.unit.capacity * room.unit.count;
}

bool UnderCapacity(const Room &room)
{
    return RoomCapacity(room) < RoomLoad(room);
}

Summary Summarize(const QList<Room> &rooms, Centi diversity)
{
    Summary summary;
    for (qsizetype i = 0; i < rooms.size(); ++i) {
        summary.load += RoomLoad(rooms[i]);
        summary.indoorCapacity += RoomCapacity(rooms[i]);
        summary.units += rooms[i].unit.count;
        if (UnderCapacity(rooms[i]))
            summary.underCapacity.append(i);
    }
    summary.diversifiedLoad = RoundedDivide(summary.load * diversity, Hundred);
    return summary;
}

std::optional<qsizetype> SuggestOutdoor(const Summary &summary)
{
    // The refrigerant page reads the capacity as typed, and judges the ratio as it shows it.
    const double indoor = TextToNumber(Text(summary.indoorCapacity));
    for (qsizetype i = 0; i < qsizetype(refrigerant::OutdoorModels.size()); ++i) {
        const refrigerant::OutdoorModel &model = refrigerant::OutdoorModels[i];
        const double ratio = TextToNumber(NumberToText(refrigerant::CapacityRatio(indoor, model)));
        const bool covers = DecimalFromDouble(model.capacity, CentiDecimals) >= summary.diversifiedLoad;
        if (refrigerant::RatioBand(ratio) != refrigerant::Band::None && covers)
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> FindOutdoorModel(QStringView name)
{
    const auto *model = std::find_if(refrigerant::OutdoorModels.cbegin(), refrigerant::OutdoorModels.cend(),
        [name](const refrigerant::OutdoorModel &candidate) { return candidate.name == name; });
    if (model == refrigerant::OutdoorModels.cend())
        return std::nullopt;
    return model - refrigerant::OutdoorModels.cbegin();
}

} // namespace kalmoro::rooms
