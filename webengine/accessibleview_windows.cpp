#include <QAccessible>
#include <QWidget>

#include "accessibleview.h"

namespace kalmoro {

// UI Automation reads the new name from the control when Qt's own event arrives.
void TellTitleChanged(QWidget &view)
{
    QAccessibleEvent changed(&view, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace kalmoro
