#pragma once

namespace kalmoro {

class MainWindow;

void OnMainWindowCreated(MainWindow &window);
void MinimizeMainWindow(MainWindow &window);
void CloseMainWindow(MainWindow &window);

// Connects the title-bar buttons.
void WireWindowControls(MainWindow &window);

} // namespace kalmoro
