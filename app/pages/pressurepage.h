#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "calculatorpage.h"
#include "layout.h"
#include "saturation.h"

class QTableWidget;

namespace kalmoro {

class EditBox;
class RadioButton;
class TransparentLabel;

// The refrigerant pressure page, for commissioning with a gauge manifold: gauge pressure and
// saturation temperature converted both ways, superheat on the low side, subcooling on the high
// side and a pressure-temperature table, for the chosen refrigerant and pressure unit. Every
// result follows every keystroke; a box that holds no number gives no result and says why beside it.
namespace pressurenames {
// In the order of saturation::Fluids: "冷媒" and the refrigerant's name, its radio's caption.
inline constexpr std::array<std::u16string_view, saturation::Fluids.size()> kFluids = {u"冷媒R410A",
    u"冷媒R32", u"冷媒R22", u"冷媒R290", u"冷媒R134a", u"冷媒R407C", u"冷媒R404A", u"冷媒R507A"};
inline constexpr std::u16string_view kFluidGroup = u"冷媒选择";
inline constexpr std::u16string_view kFluidNote = u"冷媒说明";
// In the order of saturation::Units.
inline constexpr std::array<std::u16string_view, saturation::Units.size()> kUnits
    = {u"单位MPa", u"单位bar", u"单位kgf", u"单位psi"};
inline constexpr std::u16string_view kUnitGroup = u"单位选择";
inline constexpr std::u16string_view kConverterPressure = u"换算压力";
inline constexpr std::u16string_view kConverterTemperature = u"换算温度";
inline constexpr std::u16string_view kGlide = u"换算液相气相";
inline constexpr std::u16string_view kLowPressure = u"低压压力";
inline constexpr std::u16string_view kSuctionTemperature = u"吸气管温度";
inline constexpr std::u16string_view kEvaporating = u"蒸发温度";
inline constexpr std::u16string_view kSuperheat = u"过热度";
inline constexpr std::u16string_view kHighPressure = u"高压压力";
inline constexpr std::u16string_view kLiquidTemperature = u"液管温度";
inline constexpr std::u16string_view kCondensing = u"冷凝温度";
inline constexpr std::u16string_view kSubcooling = u"过冷度";
// The unit labels beside the converter's, the low side's and the high side's pressure box.
inline constexpr std::array<std::u16string_view, 3> kPressureUnits
    = {u"换算压力单位", u"低压压力单位", u"高压压力单位"};
inline constexpr std::u16string_view kTable = u"压力温度表";
// The notices beside the boxes a user types in, in the order of PressureBox.
inline constexpr std::array<std::u16string_view, 6> kNotices = {
    u"换算压力提示", u"换算温度提示", u"低压压力提示", u"吸气管温度提示", u"高压压力提示", u"液管温度提示"};
// Which curve the superheat and the subcooling are read from, shown for a blend.
inline constexpr std::u16string_view kSuperheatCurve = u"过热度曲线";
inline constexpr std::u16string_view kSubcoolingCurve = u"过冷度曲线";
// What a negative superheat or subcooling may mean.
inline constexpr std::u16string_view kSuperheatHint = u"过热度提示";
inline constexpr std::u16string_view kSubcoolingHint = u"过冷度提示";
} // namespace pressurenames

// The boxes a user types in.
enum class PressureBox { ConverterPressure, ConverterTemperature, Low, Suction, High, Liquid };

struct PressurePage {
    std::array<RadioButton *, saturation::Fluids.size()> fluids; // in the order of Fluids
    TransparentLabel *fluidNote; // GWP, safety class and what the user must know of the refrigerant
    std::array<RadioButton *, saturation::Units.size()> units; // in the order of Units
    EditBox *converterPressure;
    EditBox *converterTemperature;
    TransparentLabel *glide; // both curves' values, for a refrigerant that glides
    EditBox *lowPressure;
    EditBox *suctionTemperature;
    TransparentLabel *evaporating;
    TransparentLabel *superheat;
    EditBox *highPressure;
    EditBox *liquidTemperature;
    TransparentLabel *condensing;
    TransparentLabel *subcooling;
    std::array<TransparentLabel *, 3> pressureUnits;
    QTableWidget *table;
    std::array<TransparentLabel *, pressurenames::kNotices.size()> notices; // in the order of PressureBox
    TransparentLabel *superheatCurve;
    TransparentLabel *subcoolingCurve;
    TransparentLabel *superheatHint;
    TransparentLabel *subcoolingHint;

    TransparentLabel *notice(PressureBox which) const { return notices[std::size_t(which)]; }
};

// What the controls do not hold: the unit the pressure boxes are written in (the radios already
// show the next one when they tell of a change), which converter box the user typed last, and each
// pressure typed, in pascal as typed, once the program has rewritten it in another unit: computing
// from the rounded text shown would drift with every change of unit.
struct PressureState {
    saturation::Unit unit = saturation::Unit::MPa;
    bool fromTemperature = false;
    std::optional<double> converterPascal;
    std::optional<double> lowPascal;
    std::optional<double> highPascal;
};

std::span<const LayoutRow> PressureRows();
std::unique_ptr<CalculatorPage> MakePressurePage(const Services &services);
inline constexpr PageUnit kPressureUnit {
    .page = 7,
    .title = u"冷媒压力",
    .entry = PageEntry {u"冷媒压力按钮", assets::Asset::img175, assets::Asset::img176, assets::Asset::img173,
        assets::Asset::img174, 7},
    .rows = &PressureRows,
    .make = &MakePressurePage,
};

const saturation::Fluid &CheckedFluid(const PressurePage &page);
saturation::Unit CheckedUnit(const PressurePage &page);

void ConvertFromPressure(const PressurePage &page, PressureState &state);
void ConvertFromTemperature(const PressurePage &page, PressureState &state);
void UpdateSuperheat(const PressurePage &page, const PressureState &state);
void UpdateSubcooling(const PressurePage &page, const PressureState &state);
void UpdatePressureTable(const PressurePage &page, const PressureState &state);
// Every result again, for the refrigerant and unit chosen, the converter from the box typed last.
void UpdatePressureResults(const PressurePage &page, PressureState &state);
// Rewrites the pressures typed in the unit chosen now, then every result.
void ChangePressureUnit(const PressurePage &page, PressureState &state);

} // namespace kalmoro
