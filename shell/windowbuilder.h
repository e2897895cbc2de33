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

// Has the window decode ahead the pictures of the controls shown now, on the current pages of its
// page tabs: called once the window is set up for its first frame. The builder already started on
// those off any page tab.
void DecodeShownPicturesAhead(MainWindow &window, std::span<const LayoutRow> rows);

} // namespace kalmoro
