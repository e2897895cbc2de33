#pragma once

#include <span>
#include <string_view>

#include <QString>
#include <QUrl>

#include "page.h"

namespace kalmoro {

// The air-conditioner selection page: the brand tab, with a page that chooses the brand, then one
// page of product buttons and a browser per brand.
namespace brandnames {
inline constexpr std::u16string_view kBrandTab = u"空调选型选择夹";
// The brand-choice buttons of its first page.
inline constexpr std::u16string_view kDaikinChoice = u"daikin1";
inline constexpr std::u16string_view kGreeChoice = u"gree1";
inline constexpr std::u16string_view kMideaChoice = u"meidi1";
inline constexpr std::u16string_view kAuxChoice = u"aux1";
inline constexpr std::u16string_view kChigoChoice = u"chigo1";
// The two price buttons that the window's created handler hides.
inline constexpr std::u16string_view kDaikinPrice = u"大金价格";
inline constexpr std::u16string_view kGreePrice = u"格力价格";
} // namespace brandnames

std::span<const LayoutRow> SelectionRows();
std::unique_ptr<Page> MakeSelectionPage(const Services &services);

// Its entry turns the main tab first, then the brand tab to the brand choice, loads every brand's
// start page and only then swaps the column's pictures.
inline constexpr PageUnit kSelectionUnit {
    .page = 5,
    .title = u"空调选型",
    .entry = PageEntry {u"空调选型按钮", assets::Asset::img123, assets::Asset::img124, assets::Asset::img011,
        assets::Asset::img004, 5},
    .rows = &SelectionRows,
    .make = &MakeSelectionPage,
};

// A product button of a brand page and the page it loads into its brand's browser.
struct BrandPageButton {
    const char16_t *button;
    const char16_t *browser;
    const char16_t *path; // relative to the program directory, with backslashes
};

// A brand's browser and the page it shows when the selection page is entered.
struct BrandStartPage {
    const char16_t *browser;
    const char16_t *path;
};

std::span<const BrandPageButton> BrandPageButtons();
// In loading order: Gree, Daikin, Midea, AUX, Chigo.
std::span<const BrandStartPage> BrandStartPages();

// The file URL of a page: the base directory followed directly by the relative path, whose
// backslashes become the platform's separators. An empty base leaves the relative path alone.
QUrl PageLocation(const QString &baseDirectory, const QString &relativePath);

} // namespace kalmoro
