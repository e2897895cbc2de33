#pragma once

class QObject;

namespace kalmoro {

class JobWindowOnDemand;
class MainWindow;

// Ties the job window to the main window for as long as context lives: a job file dropped on the
// main window opens in the job window, and closing the program (the close button, Esc, the end of
// the desktop session) first settles the job's unsaved changes. The program's termination signals
// quit without asking. A job window not built yet has nothing to settle.
void WireJobWindow(MainWindow &window, JobWindowOnDemand &job, QObject *context);

} // namespace kalmoro
