#pragma once

#include <QtGlobal>

namespace kalmoro {

// Ends the process pid at once, without asking it: for a renderer that no longer answers.
// False when the process could not be ended.
bool EndProcess(qint64 pid);

} // namespace kalmoro
