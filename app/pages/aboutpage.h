#pragma once

#include "page.h"

namespace kalmoro {

// The about page: fixed texts, a picture and the maker's logo, which the links open.
std::span<const LayoutRow> AboutRows();
std::unique_ptr<Page> MakeAboutPage(const Services &services);

inline constexpr PageUnit kAboutUnit {
    .page = 6,
    .title = u"关于软件",
    .entry = PageEntry {u"关于软件按钮", assets::Asset::img125, assets::Asset::img126, assets::Asset::img006,
        assets::Asset::img005, 6},
    .rows = &AboutRows,
    .make = &MakeAboutPage,
};

} // namespace kalmoro
