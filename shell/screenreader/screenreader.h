#pragma once

class QWidget;

namespace kalmoro::platform {

// Tells screen readers that the widget's name has changed, with the new name. On the Linux desktop
// Qt 6.4's own event carries the object instead of the text, which Orca cannot speak.
void TellNameChanged(QWidget &widget);

} // namespace kalmoro::platform
