#include "navigation.h"

#include <span>

#include <QKeySequence>
#include <QShortcut>

#include "brandpages.h"
#include "controlresolver.h"
#include "framenames.h"
#include "layoutnotes.h"
#include "links.h"
#include "widgets/browserhost.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"
#include "widgets/picturebox.h"

namespace kalmoro {

namespace {

using assets::Asset;
// What an entry's handler does besides showing its page and swapping the column's images.
enum class Step {
    LoadFuturesQuote, // send the copper page's viewport to the day's futures quote
    SwapImages, // the entry's own image to selected, then the others' to unselected, in order
    ShowPage, // turn the main tab to the entry's page
    ResetBrandTab, // turn the brand tab to its brand-choice page
    LoadStartPages, // load each brand browser's start page
    FocusInput, // give the focus to the first control of the page that Tab reaches
    UnselectPressure, // the pressure entry's image to unselected, after all the rest
};

// Rows of the table, also the order of Navigation::entries.
enum Entry : std::size_t { Refrigerant, Copper, DrainPipe, Vent, Selection, About, Pressure, EntryCount };

struct NavigationEntry {
    std::u16string_view button;
    Asset selected;
    Asset unselected;
    int page;
    std::span<const Step> steps;
    std::span<const Entry> others; // in the order SwapImages sets their images to unselected
};

// The six first entries keep their steps; each then leaves the pressure entry unselected too.
constexpr Step kSwapThenShow[] = {Step::SwapImages, Step::ShowPage, Step::UnselectPressure};
constexpr Step kSwapShowFocus[]
    = {Step::SwapImages, Step::ShowPage, Step::FocusInput, Step::UnselectPressure};
constexpr Step kQuoteSwapShowFocus[]
    = {Step::LoadFuturesQuote, Step::SwapImages, Step::ShowPage, Step::FocusInput, Step::UnselectPressure};
constexpr Step kShowThenSwap[] = {Step::ShowPage, Step::SwapImages, Step::UnselectPressure};
constexpr Step kSelectionSteps[]
    = {Step::ShowPage, Step::ResetBrandTab, Step::LoadStartPages, Step::SwapImages, Step::UnselectPressure};
constexpr Step kPressureSteps[] = {Step::SwapImages, Step::ShowPage, Step::FocusInput};

constexpr Entry kRefrigerantOthers[] = {Copper, DrainPipe, Vent, Selection, About};
constexpr Entry kCopperOthers[] = {Refrigerant, DrainPipe, Vent, Selection, About};
constexpr Entry kDrainPipeOthers[] = {Refrigerant, Copper, Vent, About, Selection};
constexpr Entry kVentOthers[] = {DrainPipe, Refrigerant, Copper, About, Selection};
constexpr Entry kSelectionOthers[] = {DrainPipe, Refrigerant, Copper, Vent, About};
constexpr Entry kAboutOthers[] = {DrainPipe, Refrigerant, Copper, Vent, Selection};
constexpr Entry kPressureOthers[] = {Refrigerant, Copper, DrainPipe, Vent, Selection, About};

using namespace framenames;

constexpr std::array<NavigationEntry, EntryCount> kEntries = {{
    // ShowRefrigerantPage, ShowCopperPage, ShowDrainPipePage, ShowVentPage, ShowSelectionPage, ShowAboutPage
    {kRefrigerantEntry, Asset::img008, Asset::img001, 1, kSwapShowFocus, kRefrigerantOthers},
    {kCopperEntry, Asset::img000, Asset::img007, 2, kQuoteSwapShowFocus, kCopperOthers},
    {kDrainPipeEntry, Asset::img009, Asset::img002, 3, kSwapThenShow, kDrainPipeOthers},
    {kVentEntry, Asset::img010, Asset::img003, 4, kSwapShowFocus, kVentOthers},
    {kSelectionEntry, Asset::img011, Asset::img004, 5, kSelectionSteps, kSelectionOthers},
    {kAboutEntry, Asset::img006, Asset::img005, 6, kShowThenSwap, kAboutOthers},
    {kPressureEntry, Asset::img173, Asset::img174, 7, kPressureSteps, kPressureOthers},
}};

// Each row unselects every other entry exactly once, and never itself.
constexpr bool othersAreTheRest()
{
    for (std::size_t row = 0; row < kEntries.size(); ++row) {
        std::array<std::size_t, EntryCount> unselected {};
        for (const Entry other : kEntries[row].others)
            ++unselected[other];
        for (const Step step : kEntries[row].steps)
            unselected[Pressure] += step == Step::UnselectPressure;
        for (std::size_t entry = 0; entry < EntryCount; ++entry) {
            if (unselected[entry] != (entry == row ? 0 : 1))
                return false;
        }
    }
    return true;
}
static_assert(othersAreTheRest(), "each navigation row unselects the six other entries once each");

struct BrandChoice {
    std::u16string_view button;
    int page;
};

constexpr std::array<BrandChoice, 5> kBrandChoices = {{
    {brandnames::kDaikinChoice, 1},
    {brandnames::kGreeChoice, 2},
    {brandnames::kMideaChoice, 3},
    {brandnames::kAuxChoice, 4},
    {brandnames::kChigoChoice, 5},
}};

// Alt+1 to Alt+7, in the order of the table.
QKeySequence shortcutOf(std::size_t entry)
{
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(Qt::Key_1 + int(entry))));
}

} // namespace

Navigation ResolveNavigation(ControlResolver &controls)
{
    Navigation navigation {};
    navigation.mainTab = controls.get<PageTab>(layoutnotes::kMainTab);
    navigation.brandTab = controls.get<PageTab>(brandnames::kBrandTab);
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        navigation.entries[i] = controls.get<GraphicButton>(kEntries[i].button);
    navigation.logo = controls.get<PictureBox>(framenames::kLogo);
    for (std::size_t i = 0; i < kBrandChoices.size(); ++i)
        navigation.brandChoices[i] = controls.get<GraphicButton>(kBrandChoices[i].button);
    return navigation;
}

void WireNavigation(const Navigation &navigation, const BrandPages &brands,
    const std::function<void(const QString &)> &showMessage, QObject *context)
{
    for (std::size_t entry = 0; entry < navigation.entries.size(); ++entry) {
        GraphicButton *button = navigation.entries[entry];
        const auto navigate = [&navigation, &brands, entry] { Navigate(navigation, brands, entry); };
        // Checked while its page is the one chosen, which screen readers read as its selected look.
        button->setCheckable(true);
        QObject::connect(button, &GraphicButton::clicked, context, navigate);
        new QShortcut(shortcutOf(entry), button->window(), context, navigate, Qt::WindowShortcut);
        // The shortcut is shown nowhere on screen, so the button tells screen readers about it.
        button->setAccessibleDescription(
            QStringLiteral("快捷键 %1").arg(shortcutOf(entry).toString(QKeySequence::NativeText)));
    }
    QObject::connect(
        navigation.logo, &PictureBox::doubleClicked, context, [&navigation] { ShowStartPage(navigation); });
    for (std::size_t i = 0; i < navigation.brandChoices.size(); ++i) {
        QObject::connect(navigation.brandChoices[i], &GraphicButton::clicked, context,
            [&navigation, page = kBrandChoices[i].page] { ShowBrandPage(navigation, page); });
    }
    WireBrandKeys(*navigation.brandTab, navigation.brandChoices, brands, showMessage, context);
    navigation.mainTab->setAccessibleName(QStringLiteral("主页面"));
    navigation.brandTab->setAccessibleName(QStringLiteral("空调品牌"));
    // Each brand browser shows the products of the brand whose header is above it.
    for (const BrandPages::Start &start : brands.starts) {
        if (const int page = navigation.brandTab->pageOf(start.browser); page >= 0)
            start.browser->setAccessibleName(
                navigation.brandTab->titles().at(page) + QStringLiteral(" 产品资料"));
    }
}

void Navigate(const Navigation &navigation, const BrandPages &brands, std::size_t entry)
{
    const NavigationEntry &row = kEntries[entry];
    for (const Step step : row.steps) {
        switch (step) {
        case Step::LoadFuturesQuote:
            // Fresh on every visit: the quote changes through the day.
            navigation.futuresQuote->setAddress(navigation.futuresQuoteAddress);
            break;
        case Step::SwapImages:
            navigation.entries[entry]->setImage(GraphicButton::Normal, row.selected);
            navigation.entries[entry]->setChecked(true);
            for (const Entry other : row.others) {
                navigation.entries[other]->setImage(GraphicButton::Normal, kEntries[other].unselected);
                navigation.entries[other]->setChecked(false);
            }
            break;
        case Step::ShowPage:
            navigation.mainTab->setCurrentPage(row.page);
            break;
        case Step::ResetBrandTab:
            navigation.brandTab->setCurrentPage(0);
            break;
        case Step::LoadStartPages:
            LoadStartPages(brands);
            break;
        case Step::FocusInput:
            // Where Tab would first stop, so that a user can type at once.
            navigation.mainTab->focusFirstInput(row.page);
            break;
        case Step::UnselectPressure:
            navigation.entries[Pressure]->setImage(GraphicButton::Normal, kEntries[Pressure].unselected);
            break;
        }
    }
}

void ShowStartPage(const Navigation &navigation)
{
    navigation.mainTab->setCurrentPage(0);
}

void ShowBrandPage(const Navigation &navigation, int brandPage)
{
    navigation.brandTab->setCurrentPage(brandPage);
}

} // namespace kalmoro
