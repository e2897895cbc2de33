#pragma once

#include <QtGlobal>

namespace kalmoro {

// The memory the process pid holds in RAM, in bytes: what a renderer takes from the machine, its
// reserved but untouched address space left out. 0 when it cannot be read.
qint64 ResidentMemory(qint64 pid);

} // namespace kalmoro
