#pragma once

class QWidget;

namespace kalmoro {

// Tells screen readers that the view, which has the focus, is named by another page's title now,
// with the title.
void TellTitleChanged(QWidget &view);

} // namespace kalmoro
