#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include <QString>
#include <QUrl>

#include "layout.h"

class QObject;

namespace kalmoro {

// The brand tab, on page 5 of the main tab: a page that chooses the brand, then one page of
// product buttons and a browser per brand.
namespace brandnames {
inline constexpr std::u16string_view kBrandTab = u"空调选型选择夹";
// The brand-choice buttons of its first page.
inline constexpr std::u16string_view kDaikinChoice = u"daikin1";
inline constexpr std::u16string_view kGreeChoice = u"gree1";
inline constexpr std::u16string_view kMideaChoice = u"meidi1";
inline constexpr std::u16string_view kAuxChoice = u"aux1";
inline constexpr std::u16string_view kChigoChoice = u"chigo1";
// The two price buttons that the window's created handler hides.
inline constexpr std::u16string_view kDaikinPrice = u"大金价格";
inline constexpr std::u16string_view kGreePrice = u"格力价格";
} // namespace brandnames

// The brand tab and its pages' controls, for page 5 of the main tab.
std::span<const LayoutRow> SelectionRows();

class BrowserHost;
class ControlResolver;
class GraphicButton;
class PageTab;

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
// The brand tab's keys, which act through the buttons a click would press: on the brand choice, 1
// to 5 click the choices in their order and put the focus into the chosen brand's browser; on a
// brand page, Ctrl+PageDown and Ctrl+PageUp click the next and previous shown product button of
// the brand in the table's order, round and round, Alt+Home loads its start page again and
// Ctrl+Shift+W shows the user's page folder (ShowUserPageFolder).
void WireBrandKeys(const PageTab &brandTab, std::span<GraphicButton *const> choices, const BrandPages &pages,
    const std::function<void(const QString &)> &showMessage, QObject *context);
// Shows the folder where the user's own pages for browser go, the first it looks pages up in, in the
// file manager; makes it first, so that there is a place to put them. When it cannot be made,
// showMessage names it.
void ShowUserPageFolder(const BrowserHost &browser, const std::function<void(const QString &)> &showMessage);
// The browser on the brand tab's page shown, or nullptr on the brand choice.
BrowserHost *ShownBrandBrowser(const PageTab &brandTab, const BrandPages &pages);

void LoadPage(BrowserHost &browser, const QString &baseDirectory, const QString &relativePath);
void LoadStartPages(const BrandPages &pages);

} // namespace kalmoro
