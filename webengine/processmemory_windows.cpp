#include <psapi.h>
#include <windows.h>

#include "processmemory.h"

namespace kalmoro {

qint64 ResidentMemory(qint64 pid)
{
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return 0;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    const bool read = ::K32GetProcessMemoryInfo(process, &counters, sizeof counters) != 0;
    ::CloseHandle(process);
    return read ? qint64(counters.WorkingSetSize) : 0;
}

} // namespace kalmoro
