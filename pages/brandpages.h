#pragma once

#include <QString>
#include <QUrl>

#include <span>

namespace kalmoro {

class BrowserHost;
class MainWindow;

// A product button of a brand page and the page it loads into its brand's browser.
struct BrandPageButton {
    const char16_t *button;
    const char16_t *browser;
    const char16_t *path; // relative to the program directory, with backslashes
};

// A brand's browser and the page it shows when the selection page is entered.
struct BrandStartPage {
    const char16_t *browser;
    const char16_t *path;
};

std::span<const BrandPageButton> BrandPageButtons();
// In loading order: Gree, Daikin, Midea, AUX, Chigo.
std::span<const BrandStartPage> BrandStartPages();

// The file URL of a page: the base directory followed directly by the relative path, whose
// backslashes become the platform's separators. An empty base leaves the relative path alone.
QUrl PageLocation(const QString &baseDirectory, const QString &relativePath);

void LoadPage(BrowserHost &browser, const QString &baseDirectory, const QString &relativePath);
void LoadBrandPage(MainWindow &window, const BrandPageButton &row);
void LoadStartPages(MainWindow &window);

// Connects the 26 product and price buttons.
void WireBrandPages(MainWindow &window);

} // namespace kalmoro
