#pragma once

#include <span>
#include <string_view>

#include "page.h"

namespace kalmoro {

// Every page of the main tab, in the tab's order. The navigation column shows the pages' entries
// top to bottom in the same order.
std::span<const PageUnit> PageUnits();
// The headers of the main tab, in its order.
std::span<const std::u16string_view> PageTitles();

} // namespace kalmoro
