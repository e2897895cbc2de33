#pragma once

#include <string_view>

#include "page.h"

namespace kalmoro {

// The condensate drain pipe page: one picture of the table.
namespace drainpipenames {
inline constexpr std::u16string_view kTable = u"图片框1";
} // namespace drainpipenames

std::span<const LayoutRow> DrainPipeRows();
std::unique_ptr<Page> MakeDrainPipePage(const Services &services);

inline constexpr PageUnit kDrainPipeUnit {
    .page = 3,
    .title = u"水管选择",
    .entry = PageEntry {u"水管选择按钮", assets::Asset::img153, assets::Asset::img154, assets::Asset::img009,
        assets::Asset::img002, 3},
    .rows = &DrainPipeRows,
    .make = &MakeDrainPipePage,
};

} // namespace kalmoro
