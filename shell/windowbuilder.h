#pragma once

#include <memory>
#include <span>

#include "layout.h"
#include "mainwindow.h"

namespace kalmoro {

// Builds the main window, not yet shown, from layout rows: creates every control, attaches it to
// its parent, stacks siblings front to back as listed and applies the initial visibility.
// Returns nullptr and says why in error when the rows are inconsistent (a duplicate or empty
// name, an unknown parent or page, a page of something that is not a page tab).
std::unique_ptr<MainWindow> BuildMainWindow(std::span<const LayoutRow> rows, QString *error = nullptr);

} // namespace kalmoro
