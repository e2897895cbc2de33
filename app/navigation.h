#pragma once

#include <array>
#include <functional>

#include <QUrl>

class QObject;

namespace kalmoro {

class BrowserHost;
class ControlResolver;
class GraphicButton;
class PageTab;
class PictureBox;
struct BrandPages;

// The navigation column, the two page tabs it turns, the logo that returns to the start page, the
// brand-choice buttons, and the futures quote viewport that the copper entry loads.
struct Navigation {
    PageTab *mainTab;
    PageTab *brandTab;
    std::array<GraphicButton *, 7>
        entries; // refrigerant, copper, drain pipe, vent, selection, about, pressure
    PictureBox *logo;
    std::array<GraphicButton *, 5> brandChoices; // Daikin, Gree, Midea, AUX, Chigo
    BrowserHost *futuresQuote; // the copper page's, as its unit resolved it
    QUrl futuresQuoteAddress;
};

Navigation ResolveNavigation(ControlResolver &controls);
// Connects the entries, their shortcuts Alt+1 to Alt+7 on the entries' window, the logo and the brand
// choices for as long as context lives; the selection entry loads the start pages of brands. Names
// each brand's browser for screen readers by its brand. The brand pages' keys tell the user through
// showMessage what they cannot do.
void WireNavigation(const Navigation &navigation, const BrandPages &brands,
    const std::function<void(const QString &)> &showMessage, QObject *context);

// The handler of the entry at index of the navigation table, step by step in the table's order.
void Navigate(const Navigation &navigation, const BrandPages &brands, std::size_t entry);
void ShowStartPage(const Navigation &navigation);
// Turns the brand tab to the page of the brand-choice button that was clicked.
void ShowBrandPage(const Navigation &navigation, int brandPage);

} // namespace kalmoro
