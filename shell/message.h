#pragma once

#include <QString>

namespace kalmoro {

// Shows text in a box titled "信息：" with one OK button and no icon, modal for the whole program and
// owned by no window; returns when the user has closed it.
void ShowMessage(const QString &text);

} // namespace kalmoro
