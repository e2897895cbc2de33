#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

#include <semaphore.h>
#include <unistd.h>

#include "exitwatchdog.h"
#include "privatefolder.h"

namespace kalmoro::platform {

namespace {

// A normal end, the browser engine's renderers included, takes well under a second; after this the
// process is taken to hang.
constexpr std::chrono::seconds kExitGrace(3);

sem_t armed;
std::atomic<bool> started {false};
// Lock-free, so that a signal handler may set it.
std::atomic<int> exitStatus {0};
std::atomic_flag armedOnce = ATOMIC_FLAG_INIT;
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

} // namespace

void StartExitWatchdog()
{
    if (::sem_init(&armed, 0, 0) != 0)
        return;
    started.store(true);
    std::thread([] {
        while (::sem_wait(&armed) != 0) {
            if (errno != EINTR)
                return;
        }
        std::this_thread::sleep_for(kExitGrace);
        RemovePrivateFolder();
        ::_exit(exitStatus.load());
    }).detach();
}

void ArmExitWatchdog(int status)
{
    if (!started.load() || armedOnce.test_and_set())
        return;
    exitStatus.store(status);
    ::sem_post(&armed);
}

} // namespace kalmoro::platform
