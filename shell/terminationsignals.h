#pragma once

namespace kalmoro::platform {

// Catches SIGTERM, SIGINT and SIGHUP from now on. A caught signal is kept until the application
// can act on it, and arms the exit watchdog, which ends the process should the application not
// get to it. Call before the application object exists.
void CatchTerminationSignals();

// Ends the application's event loop on each caught signal, also on one caught before it existed,
// without asking anything: the program then ends its own way and removes what it must. Call once
// the application exists.
void QuitOnCaughtSignals();

} // namespace kalmoro::platform
