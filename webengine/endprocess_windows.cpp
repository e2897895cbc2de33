#include <windows.h>

#include "endprocess.h"

namespace kalmoro {

bool EndProcess(qint64 pid)
{
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(pid));
    if (!process)
        return false;
    const bool ended = ::TerminateProcess(process, 1) != 0;
    ::CloseHandle(process);
    return ended;
}

} // namespace kalmoro
