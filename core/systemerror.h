#pragma once

#include <QString>

namespace kalmoro {

// What the system's error code (errno) means, in the user's words: the system's own texts follow the
// desktop's language and are English on many machines, and every text the program shows is Chinese.
QString SystemErrorReason(int code);

} // namespace kalmoro
