#pragma once

#include <functional>

#include <QString>

namespace kalmoro {

// Shows text in a box titled "信息：" with one OK button and no icon, modal for the whole program and
// owned by no window; returns when the user has closed it.
void ShowMessage(const QString &text);

// While a hook is set, ShowMessage hands it the text instead of showing the box, so that code which
// warns can run without a modal loop. Gives the hook it replaces; an empty hook restores the box.
using MessageHook = std::function<void(const QString &)>;
MessageHook SetMessageHook(MessageHook hook);

} // namespace kalmoro
