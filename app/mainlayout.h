#pragma once

#include <span>

#include "layout.h"

namespace kalmoro {

// Every control of the main window, parents before their children, siblings front to back.
std::span<const LayoutRow> MainLayout();

} // namespace kalmoro
