#pragma once

#include "shell/mainwindow.h"

#include <memory>

namespace kalmoro {

// The program: prepares the process, builds and shows the main window and runs until it is gone.
// The command line is not read.
int StartProgram(int argc, char *argv[]);

// What the program sets up once its application object exists: the user-interface font and the
// program directory as the working directory.
void SetUpApplication();

// Shows the main window, then gives the program its icon: decoded before, the icon would hold
// back the window's first frame.
void ShowMainWindow(MainWindow &window);

// The whole main window as the program builds it: every control of the layout, every handler
// wired, and the window's created handler run. Not yet shown; nullptr if it cannot be built.
// Tests build the window through this too.
std::unique_ptr<MainWindow> CreateMainWindow();

// The box that says the main window could not be built; returns the program's exit code.
int ReportStartupFailure();
QString StartupFailureText();

} // namespace kalmoro
