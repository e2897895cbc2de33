#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "calculatorpage.h"
#include "layout.h"

namespace kalmoro {

class EditBox;
class GraphicButton;
class TransparentLabel;

// The air vent price page: a supply air outlet and a return air vent, each from length and width.
namespace ventnames {
inline constexpr std::u16string_view kOutletLength = u"出风长";
inline constexpr std::u16string_view kOutletWidth = u"出风宽";
inline constexpr std::u16string_view kOutletPrice = u"出风口价格";
inline constexpr std::u16string_view kComputeOutlet = u"出风口计算";
inline constexpr std::u16string_view kReturnLength = u"回风长";
inline constexpr std::u16string_view kReturnWidth = u"回风宽";
inline constexpr std::u16string_view kReturnPrice = u"回风口价格";
inline constexpr std::u16string_view kComputeReturn = u"回风口计算";
} // namespace ventnames

struct VentPage {
    EditBox *outletLength;
    EditBox *outletWidth;
    TransparentLabel *outletPrice;
    GraphicButton *computeOutlet;
    EditBox *returnLength;
    EditBox *returnWidth;
    TransparentLabel *returnPrice;
    GraphicButton *computeReturn;
};

std::span<const LayoutRow> VentRows();
std::unique_ptr<CalculatorPage> MakeVentPage(const Services &services);
inline constexpr PageUnit kVentUnit {
    .page = 4,
    .title = u"风口价格",
    .entry = PageEntry {u"风口价格按钮", assets::Asset::img140, assets::Asset::img141, assets::Asset::img010,
        assets::Asset::img003, 4},
    .rows = &VentRows,
    .make = &MakeVentPage,
};

// Brings the prices up to date, as clicks on the buttons would: each half whose length or width
// box holds text is computed again.
void UpdateVentPrices(const VentPage &page);
// Whether a half's length or width box holds text: only such a half is priced on request.
bool IsOutletFilled(const VentPage &page);
bool IsReturnFilled(const VentPage &page);

void ComputeOutletPrice(const VentPage &page);
void ComputeReturnPrice(const VentPage &page);

} // namespace kalmoro
