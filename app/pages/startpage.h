#pragma once

#include "page.h"

namespace kalmoro {

// The start page: one illustration. No entry shows it: the window opens on it and a double click on
// the logo returns to it.
std::span<const LayoutRow> StartRows();
std::unique_ptr<Page> MakeStartPage(const Services &services);

inline constexpr PageUnit kStartUnit {
    .page = 0,
    .title = u"启动页",
    .entry = std::nullopt,
    .rows = &StartRows,
    .make = &MakeStartPage,
};

} // namespace kalmoro
