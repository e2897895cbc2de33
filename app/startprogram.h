#pragma once

#include <memory>
#include <span>

#include <QString>

#include "layout.h"
#include "mainlayout.h"
#include "mainwindow.h"
#include "services.h"

namespace kalmoro {

// The program: answers --help, --version or an argument it refuses at once; otherwise prepares the
// process, builds and shows the main window and runs until it is gone.
int StartProgram(int argc, char *argv[]);

// What the program sets up once its application object exists: the desktop entry its windows
// belong to, the user-interface font, the program directory as the working directory, and Qt's
// own texts and the browser engine in Simplified Chinese.
void SetUpApplication();

// Shows the main window, then gives the program its icon: decoded before, the icon would hold
// back the window's first frame.
void ShowMainWindow(MainWindow &window);

struct CreatedWindow {
    std::unique_ptr<MainWindow> window; // null when it cannot be built
    QString failure; // why not: the layout row or the control at fault
};

// The whole main window as the program builds it from layout: every control, every page view
// resolved and wired to the services, and the window's created handler run. Not yet shown. Tests
// build the window through this too, with services of their own.
CreatedWindow CreateMainWindow(Services services = {}, std::span<const LayoutRow> layout = MainLayout());

// The box that says the main window could not be built; returns the program's exit code.
int ReportStartupFailure();

} // namespace kalmoro
