#pragma once

#include <span>
#include <vector>

#include <QString>
#include <QUrl>

class QObject;

namespace kalmoro {

class BrowserHost;
class ControlResolver;
class GraphicButton;

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

// The brand tab's product and price buttons and the brand browsers, in the order of the two tables.
struct BrandPages {
    struct Button {
        GraphicButton *button;
        BrowserHost *browser;
        QString path;
    };
    struct Start {
        BrowserHost *browser;
        QString path;
    };
    std::vector<Button> buttons;
    std::vector<Start> starts;
};

BrandPages ResolveBrandPages(ControlResolver &controls);
// Connects the 26 product and price buttons for as long as context lives.
void WireBrandPages(const BrandPages &pages, QObject *context);

void LoadPage(BrowserHost &browser, const QString &baseDirectory, const QString &relativePath);
void LoadStartPages(const BrandPages &pages);

} // namespace kalmoro
