#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "calculatorpage.h"
#include "copper.h"
#include "layout.h"
#include "services.h"

namespace kalmoro {

class BrowserHost;
class EditBox;
class GraphicButton;
class TransparentLabel;

// The copper pipe price page: the futures price, one row of metres and market price per diameter,
// the total, and the viewport that shows the day's copper futures quote.
namespace coppernames {
inline constexpr std::u16string_view kFuturesPrice = u"编辑框0";
struct RowBoxes {
    std::u16string_view metres;
    std::u16string_view price;
};
// The boxes of each row, in the order of PipeRows.
inline constexpr std::array<RowBoxes, copper::PipeRows.size()> kRowBoxes = {{
    {u"编辑框1", u"编辑框2"},
    {u"编辑框3", u"编辑框4"},
    {u"编辑框5", u"编辑框6"},
    {u"编辑框7", u"编辑框8"},
    {u"编辑框9", u"编辑框10"},
    {u"编辑框11", u"编辑框12"},
    {u"编辑框13", u"编辑框14"},
    {u"编辑框15", u"编辑框16"},
    {u"编辑框17", u"编辑框18"},
    {u"编辑框19", u"编辑框20"},
    {u"编辑框21", u"编辑框22"},
    {u"编辑框23", u"编辑框24"},
    {u"编辑框25", u"编辑框26"},
}};
inline constexpr std::u16string_view kTotal = u"透明标签10";
inline constexpr std::u16string_view kComputeTotal = u"超级按钮1";
inline constexpr std::u16string_view kClearMetres = u"超级按钮3";
inline constexpr std::u16string_view kFuturesQuote = u"今日铜价浏览";
} // namespace coppernames

struct CopperPage {
    struct Row {
        const copper::PipeRow *pipe;
        EditBox *metres;
        EditBox *price; // per metre
    };
    EditBox *futuresPrice;
    std::array<Row, copper::PipeRows.size()> rows; // top row first, in the order of PipeRows
    TransparentLabel *total;
    GraphicButton *computeTotal;
    GraphicButton *clearMetres;
    BrowserHost *futuresQuote;
    std::function<void(const QString &text)> showMessage;
};

std::span<const LayoutRow> CopperRows();
std::unique_ptr<CalculatorPage> MakeCopperPage(const Services &services);

// Its entry first sends the futures quote viewport to the day's quotation.
inline constexpr PageUnit kCopperUnit {
    .page = 2,
    .title = u"铜管计算",
    .entry = PageEntry {u"铜管价格按钮", assets::Asset::img155, assets::Asset::img156, assets::Asset::img000,
        assets::Asset::img007, 2},
    .rows = &CopperRows,
    .make = &MakeCopperPage,
};

void RefreshMarketPrices(const CopperPage &page);
void ComputeCopperTotal(const CopperPage &page);
void ClearCopperMetres(const CopperPage &page);

} // namespace kalmoro
