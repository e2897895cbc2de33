#pragma once

namespace kalmoro {

// Makes the widget kinds known to screen readers for what they are: a page tab as a list of page
// tabs with its headers, the current one selected; a label as static text; a picture as a graphic;
// a group box as a grouping. Safe to call more than once.
void InstallAccessibleInterfaces();

} // namespace kalmoro
