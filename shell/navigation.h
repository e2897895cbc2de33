#pragma once

namespace kalmoro {

class MainWindow;

void ShowRefrigerantPage(MainWindow &window);
void ShowCopperPage(MainWindow &window);
void ShowDrainPipePage(MainWindow &window);
void ShowVentPage(MainWindow &window);
void ShowSelectionPage(MainWindow &window);
void ShowAboutPage(MainWindow &window);
void ShowStartPage(MainWindow &window);
// Turns the brand tab to the page of the brand-choice button that was clicked.
void ShowBrandPage(MainWindow &window, int brandPage);

// Connects the navigation column, the logo and the brand-choice buttons.
void WireNavigation(MainWindow &window);

} // namespace kalmoro
