#include "screenreader.h"

namespace kalmoro::platform {

// UI Automation reads the new name from the control when Qt's own event arrives.
void TellNameChanged(QWidget &) { }

} // namespace kalmoro::platform
