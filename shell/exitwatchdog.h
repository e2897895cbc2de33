#pragma once

namespace kalmoro::platform {

// Starts the thread that ends the process once it is armed: a thread of the browser engine blocked
// in a system call would otherwise keep a closed program running for good, and a termination
// signal could never end it. Call once, before the application object exists.
void StartExitWatchdog();

// From now on the process ends, with status, at most kExitGrace later, after the private folder is
// removed, unless it has ended its own way before. Safe in a signal handler; the first call counts.
void ArmExitWatchdog(int status);

} // namespace kalmoro::platform
