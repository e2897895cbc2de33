#include <QCoreApplication>
#include <QSocketNotifier>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "exitwatchdog.h"
#include "terminationsignals.h"

namespace kalmoro::platform {

namespace {

// The pipe from the signal handler to the event loop: the handler writes a byte, which is all it
// may safely do, and the loop reads it.
int pipeEnds[2] = {-1, -1};

void noteSignal(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    // The event loop may be blocked; the process ends even then.
    ArmExitWatchdog(0);
}

} // namespace

void CatchTerminationSignals()
{
    // Non-blocking, so that the handler never waits on a full pipe.
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void QuitOnCaughtSignals()
{
    if (pipeEnds[0] < 0)
        return;
    auto *notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) { }
        // Leaves the event loop without closing the windows: quit() would close them, and a window
        // with unsaved changes would ask, where a signal must end the program at once.
        QCoreApplication::exit(0);
    });
}

} // namespace kalmoro::platform
