#include <signal.h>

#include "endprocess.h"

namespace kalmoro {

bool EndProcess(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), SIGKILL) == 0;
}

} // namespace kalmoro
