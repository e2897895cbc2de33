#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "calculatorpage.h"
#include "layout.h"
#include "refrigerant.h"
#include "services.h"

namespace kalmoro {

class EditBox;
class GraphicButton;
class RadioButton;
class TransparentLabel;

// The refrigerant top-up page: the outdoor-unit part (mode, model, units, capacity, ratio and
// charge) and the indoor part (liquid pipe lengths and their charge), then the total. The names do
// not follow the captions: the button named 室内机加氟量 computes the outdoor-unit part.
namespace refrigerantnames {
inline constexpr std::u16string_view kGreeMode = u"格力加氟";
inline constexpr std::u16string_view kOtherMode = u"其他加氟";
// The radios of the models, in the order of OutdoorModels.
inline constexpr std::array<std::u16string_view, refrigerant::OutdoorModels.size()> kModels = {
    u"二百五", u"三百", u"三百五", u"四百", u"四百五", u"五零四", u"五百六", u"六一五", u"七八五", u"九百"};
inline constexpr std::u16string_view kIndoorUnits = u"室内机台数";
inline constexpr std::u16string_view kIndoorCapacity = u"室内机总量";
inline constexpr std::u16string_view kRatio = u"配比率";
inline constexpr std::u16string_view kOutdoorCharge = u"外机加氟";
inline constexpr std::u16string_view kComputeOutdoor = u"室内机加氟量";
// The length boxes, in the order of LiquidPipes.
inline constexpr std::array<std::u16string_view, refrigerant::LiquidPipes.size()> kPipeLengths
    = {u"六", u"十", u"十二", u"十六", u"十九", u"二十二", u"二十五", u"二十八"};
inline constexpr std::u16string_view kIndoorCharge = u"内机加氟";
inline constexpr std::u16string_view kComputeIndoor = u"室外机加氟量";
inline constexpr std::u16string_view kTotalCharge = u"一共加氟";
inline constexpr std::u16string_view kComputeTotal = u"室外机加氟量1";
// The labels that caption the boxes, and the picture that captions the total.
inline constexpr std::u16string_view kIndoorUnitsCaption = u"透明标签2";
inline constexpr std::u16string_view kIndoorCapacityCaption = u"透明标签3";
inline constexpr std::u16string_view kRatioCaption = u"透明标签4";
inline constexpr std::u16string_view kOutdoorChargeCaption = u"透明标签6";
inline constexpr std::array<std::u16string_view, refrigerant::LiquidPipes.size()> kPipeCaptions
    = {u"透明标签11", u"透明标签12", u"透明标签13", u"透明标签14", u"透明标签15", u"透明标签16",
        u"透明标签17", u"透明标签18"};
inline constexpr std::u16string_view kIndoorChargeCaption = u"透明标签1";
inline constexpr std::u16string_view kTotalCaption = u"图片框4";
} // namespace refrigerantnames

struct RefrigerantPage {
    RadioButton *greeMode;
    RadioButton *otherMode;
    std::array<RadioButton *, refrigerant::OutdoorModels.size()> models; // in the order of OutdoorModels
    EditBox *indoorUnits;
    EditBox *indoorCapacity;
    EditBox *ratio;
    EditBox *outdoorCharge;
    GraphicButton *computeOutdoor;
    std::array<EditBox *, refrigerant::LiquidPipes.size()> pipeLengths; // in the order of LiquidPipes
    EditBox *indoorCharge;
    GraphicButton *computeIndoor;
    TransparentLabel *totalCharge;
    GraphicButton *computeTotal;
    std::function<void(const QString &text)> showMessage;
};

std::span<const LayoutRow> RefrigerantRows();
std::unique_ptr<CalculatorPage> MakeRefrigerantPage(const Services &services);
inline constexpr PageUnit kRefrigerantUnit {
    .page = 1,
    .title = u"加氟计算器",
    .entry = PageEntry {u"加氟计算按钮", assets::Asset::img157, assets::Asset::img158, assets::Asset::img008,
        assets::Asset::img001, 1},
    .rows = &RefrigerantRows,
    .make = &MakeRefrigerantPage,
};

// Whether the outdoor-unit part is on: the mode the brand radios last set. Choosing a model clears
// the brand radio's mark, so the mode shows only in whether the part's boxes are shown.
bool IsOutdoorPartOn(const RefrigerantPage &page);
// The model whose radio is checked, or nullptr when none is.
const refrigerant::OutdoorModel *CheckedModel(const RefrigerantPage &page);

// Brings every result of the page up to date, as clicks on its buttons would: the outdoor-unit
// part while it is on and a model is checked, then the indoor part, then the total.
void UpdateRefrigerantResults(const RefrigerantPage &page);

void ComputeOutdoorCharge(const RefrigerantPage &page);
void ComputeIndoorCharge(const RefrigerantPage &page);
void ComputeTotalCharge(const RefrigerantPage &page);
void EnableOutdoorPart(const RefrigerantPage &page);
void DisableOutdoorPart(const RefrigerantPage &page);

} // namespace kalmoro
