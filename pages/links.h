#pragma once

namespace kalmoro {

class MainWindow;

// Sends the copper page's viewport to the day's quotation, fresh on every call.
void ShowQuotation(MainWindow &window);

// Opens the maker's page in the desktop's default browser.
void OpenMakerPage();

// Connects the maker's logo button and the version label.
void WireLinks(MainWindow &window);

} // namespace kalmoro
