#pragma once

class QObject;

namespace kalmoro {

class ControlResolver;
class GraphicButton;
class MainWindow;
class PageTab;

// The title-bar buttons, and what the window's created handler sets up.
struct WindowControls {
    GraphicButton *minimize;
    GraphicButton *close;
    PageTab *mainTab;
    GraphicButton *greePrice;
    GraphicButton *daikinPrice;
};

WindowControls ResolveWindowControls(ControlResolver &controls);
// Connects the title-bar buttons for as long as context lives.
void WireWindowControls(const WindowControls &controls, MainWindow &window, QObject *context);

void OnMainWindowCreated(const WindowControls &controls);
void MinimizeMainWindow(MainWindow &window);
void CloseMainWindow(MainWindow &window);

} // namespace kalmoro
