#include "selectionpage.h"

#include <array>
#include <vector>

#include <QDir>
#include <QShortcut>

#include "controlresolver.h"
#include "layoutnotes.h"
#include "platform.h"
#include "services.h"
#include "widgets/browserhost.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"

namespace kalmoro {

namespace {

using assets::Asset;
using namespace brandnames;
using namespace layoutnotes;

constexpr std::u16string_view kDaikinBrowser = u"大金浏览器";
constexpr std::u16string_view kGreeBrowser = u"格力浏览器";
constexpr std::u16string_view kMideaBrowser = u"美的浏览器";
constexpr std::u16string_view kAuxBrowser = u"奥克斯浏览器";
constexpr std::u16string_view kChigoBrowser = u"志高浏览器";

constexpr BrandPageButton kDaikinX7 {u"X7按钮", kDaikinBrowser.data(), u"\\web\\x7.html"};
constexpr BrandPageButton kDaikinP {u"P按钮", kDaikinBrowser.data(), u"\\web\\p.html"};
constexpr BrandPageButton kDaikinS {u"S按钮", kDaikinBrowser.data(), u"\\web\\s.html"};
constexpr BrandPageButton kDaikinSkyAir {u"skyair按钮", kDaikinBrowser.data(), u"\\web\\skyair.html"};
constexpr BrandPageButton kDaikinPrices {
    brandnames::kDaikinPrice.data(), kDaikinBrowser.data(), u"\\web\\daikinprice.html"};
constexpr BrandPageButton kGreeGmvEs {u"GMVES按钮", kGreeBrowser.data(), u"\\web\\gmves.html"};
constexpr BrandPageButton kGreeGmv5 {u"GMV5按钮", kGreeBrowser.data(), u"\\web\\gmv5.html"};
constexpr BrandPageButton kGreeGmv5S {u"GMV5S按钮", kGreeBrowser.data(), u"\\web\\gmv5s.html"};
constexpr BrandPageButton kGreeStar {u"star按钮", kGreeBrowser.data(), u"\\web\\star.html"};
constexpr BrandPageButton kGreeD {u"D按钮", kGreeBrowser.data(), u"\\web\\d.html"};
constexpr BrandPageButton kGreeOther {u"qt按钮", kGreeBrowser.data(), u"\\web\\qt.html"};
constexpr BrandPageButton kGreePrices {
    brandnames::kGreePrice.data(), kGreeBrowser.data(), u"\\web\\greeprice.html"};
constexpr BrandPageButton kMideaMdvsWhole {u"mdvs整体按钮", kMideaBrowser.data(), u"\\web\\mdvsi.html"};
constexpr BrandPageButton kMideaMdvs {u"mdvs组合按钮", kMideaBrowser.data(), u"\\web\\mdvs.html"};
constexpr BrandPageButton kMideaSideOutlet {u"侧出风按钮", kMideaBrowser.data(), u"\\web\\cechu.html"};
constexpr BrandPageButton kMideaPrices {u"美的价格", kMideaBrowser.data(), u"\\web\\meidiprice.html"};
constexpr BrandPageButton kAuxX7 {u"奥克斯X7按钮", kAuxBrowser.data(), u"\\web\\aux7.html"};
constexpr BrandPageButton kAuxCe {u"CE小多联按钮", kAuxBrowser.data(), u"\\web\\auxce.html"};
constexpr BrandPageButton kAuxLightCommercial {u"奥克斯轻商", kAuxBrowser.data(), u"\\web\\auxqs.html"};
constexpr BrandPageButton kAuxOther {u"奥克斯其他按钮", kAuxBrowser.data(), u"\\web\\auxqt.html"};
constexpr BrandPageButton kAuxPrices {u"奥克斯价格", kAuxBrowser.data(), u"\\web\\auxprice.html"};
constexpr BrandPageButton kChigoCmvx {u"CMVX按钮", kChigoBrowser.data(), u"\\web\\cmvx.html"};
constexpr BrandPageButton kChigoCmv {u"CMV按钮", kChigoBrowser.data(), u"\\web\\cmv.html"};
constexpr BrandPageButton kChigoLightCommercial {
    u"qingshang按钮", kChigoBrowser.data(), u"\\web\\qingshang.html"};
constexpr BrandPageButton kChigoHome {u"chigohome按钮", kChigoBrowser.data(), u"\\web\\chigohome.html"};
constexpr BrandPageButton kChigoPrices {u"志高价格", kChigoBrowser.data(), u"\\web\\chigoprice.html"};

constexpr BrandPageButton kButtons[] = {kDaikinX7, kDaikinP, kDaikinS, kDaikinSkyAir, kDaikinPrices,
    kGreeGmvEs, kGreeGmv5, kGreeGmv5S, kGreeStar, kGreeD, kGreeOther, kGreePrices, kMideaMdvsWhole,
    kMideaMdvs, kMideaSideOutlet, kMideaPrices, kAuxX7, kAuxCe, kAuxLightCommercial, kAuxOther, kAuxPrices,
    kChigoCmvx, kChigoCmv, kChigoLightCommercial, kChigoHome, kChigoPrices};

constexpr BrandStartPage kStartPages[] = {
    {kGreeBrowser.data(), u"\\web\\gree0.html"},
    {kDaikinBrowser.data(), u"\\web\\daikin0.html"},
    {kMideaBrowser.data(), u"\\web\\meidi0.html"},
    {kAuxBrowser.data(), u"\\web\\aux0.html"},
    {kChigoBrowser.data(), u"\\web\\chigo0.html"},
};

constexpr std::u16string_view kBrandTitles[]
    = {u"空调品牌选择", u"大金", u"格力", u"美的", u"奥克斯", u"志高"};
constexpr TabSetup kBrandTabSetup {kBrandTitles, 0, u"微软雅黑", 19, 26, TabColours::Plain};

constexpr ParentRef BrandPage(int page)
{
    return {kBrandTab, page};
}

constexpr Notes kWhite {.whiteStrip = true};

// The brand-choice buttons, in the order of the brand tab's pages after the choice: digit keys 1
// to 5 click them in this order.
constexpr std::u16string_view kBrandChoices[]
    = {kDaikinChoice, kGreeChoice, kMideaChoice, kAuxChoice, kChigoChoice};

const QKeySequence kNextProduct {Qt::CTRL | Qt::Key_PageDown};
const QKeySequence kPreviousProduct {Qt::CTRL | Qt::Key_PageUp};
const QKeySequence kStartPage {Qt::ALT | Qt::Key_Home};
const QKeySequence kPageFolder {Qt::CTRL | Qt::SHIFT | Qt::Key_W};

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

void loadPage(BrowserHost &browser, const QString &baseDirectory, const QString &relativePath)
{
    browser.setAddress(PageLocation(baseDirectory, relativePath));
}

// Clicks the product button step places after the one whose page the browser shows, among the
// brand's shown buttons; from the start page the first step forward is the first product.
void stepProducts(const BrandPages &pages, const BrowserHost &browser, int step)
{
    std::vector<GraphicButton *> shown;
    std::ptrdiff_t current = -1;
    for (const BrandPages::Button &button : pages.buttons) {
        if (button.browser != &browser || button.button->isHidden())
            continue;
        if (PageLocation(platform::ProgramDirectory(), button.path) == browser.address())
            current = std::ssize(shown);
        shown.push_back(button.button);
    }
    if (shown.empty())
        return;
    const std::ptrdiff_t count = std::ssize(shown);
    const std::ptrdiff_t next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    shown[std::size_t(next)]->click();
}

// The page holds the brand tab; its first page chooses a brand, the others show one
// brand's products each.
constexpr LayoutRow kRows[] = {
    {kBrandTab, Kind::PageTab, MainPage(kSelectionUnit.page), {15, 1, 776, 541}, true, u"", {},
        {.tab = &kBrandTabSetup}},

    // Inner page 0: brand choice.
    {u"选择空调品牌", Kind::PictureBox, BrandPage(0), {254, 48, 286, 30}, true, u"", {Asset::img107}, kNone},
    {kChigoChoice, Kind::GraphicButton, BrandPage(0), {440, 389, 226, 86}, true, u"",
        {Asset::img108, Asset::img109, Asset::img110}, kNone},
    {kAuxChoice, Kind::GraphicButton, BrandPage(0), {120, 394, 164, 77}, true, u"",
        {Asset::img111, Asset::img112, Asset::img113}, kNone},
    {kMideaChoice, Kind::GraphicButton, BrandPage(0), {152, 249, 453, 75}, true, u"",
        {Asset::img114, Asset::img115, Asset::img116}, kNone},
    {kGreeChoice, Kind::GraphicButton, BrandPage(0), {402, 130, 300, 59}, true, u"",
        {Asset::img117, Asset::img118, Asset::img119}, kNone},
    {kDaikinChoice, Kind::GraphicButton, BrandPage(0), {52, 127, 293, 60}, true, u"",
        {Asset::img120, Asset::img121, Asset::img122}, kNone},

    // Inner page 1: Daikin.
    {kDaikinPrices.button, Kind::GraphicButton, BrandPage(1), {466, 47, 46, 48}, false, u"",
        {Asset::img061, Asset::img062, Asset::img063, Asset::img064}, kNone},
    {kDaikinSkyAir.button, Kind::GraphicButton, BrandPage(1), {350, 29, 86, 86}, true, u"",
        {Asset::img065, Asset::img066, Asset::img067}, kNone},
    {kDaikinS.button, Kind::GraphicButton, BrandPage(1), {244, 29, 86, 86}, true, u"",
        {Asset::img068, Asset::img069, Asset::img070}, kNone},
    {kDaikinP.button, Kind::GraphicButton, BrandPage(1), {136, 29, 86, 86}, true, u"",
        {Asset::img071, Asset::img072, Asset::img073}, kNone},
    {kDaikinX7.button, Kind::GraphicButton, BrandPage(1), {28, 29, 86, 86}, true, u"",
        {Asset::img074, Asset::img075, Asset::img076}, kNone},
    {u"遮挡1", Kind::PictureBox, BrandPage(1), {-3, 112, 784, 16}, true, u"", {}, kWhite},
    {kDaikinBrowser, Kind::Browser, BrandPage(1), {-12, 120, 816, 432}, true, u"", {}, kNone},
    {u"大金logo", Kind::PictureBox, BrandPage(1), {567, 39, 211, 59}, true, u"", {Asset::img105}, kNone},

    // Inner page 2: Gree.
    {kGreeOther.button, Kind::GraphicButton, BrandPage(2), {420, 29, 86, 86}, true, u"",
        {Asset::img080, Asset::img081, Asset::img082}, kNone},
    {kGreeD.button, Kind::GraphicButton, BrandPage(2), {335, 29, 86, 86}, true, u"",
        {Asset::img083, Asset::img084, Asset::img085}, kNone},
    {kGreePrices.button, Kind::GraphicButton, BrandPage(2), {505, 47, 46, 48}, false, u"",
        {Asset::img086, Asset::img087, Asset::img088, Asset::img089}, kNone},
    {kGreeStar.button, Kind::GraphicButton, BrandPage(2), {253, 29, 86, 86}, true, u"",
        {Asset::img090, Asset::img091, Asset::img092}, kNone},
    {kGreeGmv5S.button, Kind::GraphicButton, BrandPage(2), {168, 29, 86, 86}, true, u"",
        {Asset::img093, Asset::img094, Asset::img095}, kNone},
    {kGreeGmv5.button, Kind::GraphicButton, BrandPage(2), {85, 29, 86, 86}, true, u"",
        {Asset::img096, Asset::img097, Asset::img098}, kNone},
    {kGreeGmvEs.button, Kind::GraphicButton, BrandPage(2), {6, 29, 86, 86}, true, u"",
        {Asset::img099, Asset::img100, Asset::img101}, kNone},
    {u"格力logo", Kind::PictureBox, BrandPage(2), {575, 39, 185, 59}, true, u"", {Asset::img106}, kNone},
    {u"遮挡", Kind::PictureBox, BrandPage(2), {0, 118, 784, 16}, true, u"", {}, kWhite},
    {kGreeBrowser, Kind::Browser, BrandPage(2), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 3: Midea.
    {kMideaSideOutlet.button, Kind::GraphicButton, BrandPage(3), {244, 29, 86, 86}, true, u"",
        {Asset::img040, Asset::img041, Asset::img042}, kNone},
    {kMideaMdvs.button, Kind::GraphicButton, BrandPage(3), {134, 29, 86, 86}, true, u"",
        {Asset::img043, Asset::img044, Asset::img045}, kNone},
    {kMideaMdvsWhole.button, Kind::GraphicButton, BrandPage(3), {29, 29, 86, 86}, true, u"",
        {Asset::img046, Asset::img047, Asset::img048}, kNone},
    {kMideaPrices.button, Kind::GraphicButton, BrandPage(3), {440, 47, 46, 48}, false, u"",
        {Asset::img057, Asset::img058, Asset::img059, Asset::img060}, kNone},
    {u"遮挡2", Kind::PictureBox, BrandPage(3), {0, 112, 784, 16}, true, u"", {}, kWhite},
    {u"美的logo", Kind::PictureBox, BrandPage(3), {507, 39, 260, 59}, true, u"", {Asset::img104}, kNone},
    {kMideaBrowser, Kind::Browser, BrandPage(3), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 4: AUX.
    {kAuxOther.button, Kind::GraphicButton, BrandPage(4), {328, 40, 86, 86}, true, u"",
        {Asset::img016, Asset::img017, Asset::img018}, kNone},
    {kAuxLightCommercial.button, Kind::GraphicButton, BrandPage(4), {224, 40, 86, 86}, true, u"",
        {Asset::img019, Asset::img020, Asset::img021}, kNone},
    {kAuxCe.button, Kind::GraphicButton, BrandPage(4), {120, 40, 86, 86}, true, u"",
        {Asset::img022, Asset::img023, Asset::img024}, kNone},
    {kAuxX7.button, Kind::GraphicButton, BrandPage(4), {16, 40, 86, 86}, true, u"",
        {Asset::img025, Asset::img026, Asset::img027}, kNone},
    {kAuxPrices.button, Kind::GraphicButton, BrandPage(4), {450, 47, 46, 48}, false, u"",
        {Asset::img053, Asset::img054, Asset::img055, Asset::img056}, kNone},
    {u"遮挡4", Kind::PictureBox, BrandPage(4), {0, 112, 784, 16}, true, u"", {}, kWhite},
    {u"奥克斯logo", Kind::PictureBox, BrandPage(4), {575, 39, 187, 80}, true, u"", {Asset::img102}, kNone},
    {kAuxBrowser, Kind::Browser, BrandPage(4), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 5: Chigo.
    {kChigoHome.button, Kind::GraphicButton, BrandPage(5), {314, 29, 86, 86}, false, u"",
        {Asset::img028, Asset::img029, Asset::img030}, kNone},
    {kChigoLightCommercial.button, Kind::GraphicButton, BrandPage(5), {219, 29, 86, 86}, true, u"",
        {Asset::img031, Asset::img032, Asset::img033}, kNone},
    {kChigoCmv.button, Kind::GraphicButton, BrandPage(5), {118, 29, 86, 86}, true, u"",
        {Asset::img034, Asset::img035, Asset::img036}, kNone},
    {kChigoCmvx.button, Kind::GraphicButton, BrandPage(5), {19, 29, 86, 86}, true, u"",
        {Asset::img037, Asset::img038, Asset::img039}, kNone},
    {kChigoPrices.button, Kind::GraphicButton, BrandPage(5), {450, 47, 46, 48}, false, u"",
        {Asset::img049, Asset::img050, Asset::img051, Asset::img052}, kNone},
    {u"遮挡3", Kind::PictureBox, BrandPage(5), {-4, 112, 784, 16}, true, u"", {}, kWhite},
    {u"志高logo", Kind::PictureBox, BrandPage(5), {575, 35, 187, 80}, true, u"", {Asset::img103}, kNone},
    {kChigoBrowser, Kind::Browser, BrandPage(5), {-12, 120, 816, 432}, true, u"", {}, kNone},
};

// The browser on the brand tab's page shown, or nullptr on the brand choice.
BrowserHost *shownBrandBrowser(const PageTab &brandTab, const BrandPages &pages)
{
    for (const BrandPages::Start &start : pages.starts) {
        if (brandTab.pageOf(start.browser) == brandTab.currentPage())
            return start.browser;
    }
    return nullptr;
}

void loadStartPages(const BrandPages &pages)
{
    // Built from the program directory at any length: it is the working directory in normal
    // use, and reading the working directory into a fixed buffer would lose long paths.
    const QString base = platform::ProgramDirectory();
    for (const BrandPages::Start &start : pages.starts)
        loadPage(*start.browser, base, start.path);
}

// The brand tab's keys, which act through the buttons a click would press: on the brand choice, 1
// to 5 click the choices in their order and put the focus into the chosen brand's browser; on a
// Shows the folder where the user's own pages for browser go, the first it looks pages up in, in the
// file manager; makes it first, so that there is a place to put them. When it cannot be made, the
// message names it.
void showUserPageFolder(const BrowserHost &browser, const Services &services)
{
    const QString folder = platform::PageFolders(browser.pageFolder()).constFirst();
    if (!QDir().mkpath(folder)) {
        services.showMessage(
            QStringLiteral("无法创建页面文件夹：\n%1").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    platform::ShowFolder(folder);
}

// brand page, Ctrl+PageDown and Ctrl+PageUp click the next and previous shown product button of
// the brand in the table's order, round and round, Alt+Home loads its start page again and
// Ctrl+Shift+W shows the user's page folder.
void wireBrandKeys(const PageTab &brandTab, std::span<GraphicButton *const> choices, const BrandPages &pages,
    const Services &services, QObject *context)
{
    // Each key is held by a control of its page, so that it works only while that page shows.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        GraphicButton *choice = choices[i];
        const QKeySequence digit(Qt::Key(Qt::Key_1 + int(i)));
        auto *key = new QShortcut(digit, choice);
        choice->setAccessibleDescription(
            QStringLiteral("快捷键 ") + digit.toString(QKeySequence::PortableText));
        QObject::connect(key, &QShortcut::activated, context, [&brandTab, &pages, choice] {
            choice->click();
            if (BrowserHost *browser = shownBrandBrowser(brandTab, pages))
                browser->setFocus(Qt::ShortcutFocusReason);
        });
    }
    const QString browserKeys
        = QStringLiteral("快捷键 %1：下一个产品；%2：上一个产品；%3：品牌首页；%4：打开页面文件夹")
              .arg(kNextProduct.toString(QKeySequence::PortableText),
                  kPreviousProduct.toString(QKeySequence::PortableText),
                  kStartPage.toString(QKeySequence::PortableText),
                  kPageFolder.toString(QKeySequence::PortableText));
    for (const BrandPages::Start &start : pages.starts) {
        BrowserHost *browser = start.browser;
        browser->setAccessibleDescription(browserKeys);
        const auto step = [&pages, browser](int by) {
            return [&pages, browser, by] { stepProducts(pages, *browser, by); };
        };
        QObject::connect(new QShortcut(kNextProduct, browser), &QShortcut::activated, context, step(1));
        QObject::connect(new QShortcut(kPreviousProduct, browser), &QShortcut::activated, context, step(-1));
        QObject::connect(new QShortcut(kStartPage, browser), &QShortcut::activated, context,
            [&start] { loadPage(*start.browser, platform::ProgramDirectory(), start.path); });
        QObject::connect(new QShortcut(kPageFolder, browser), &QShortcut::activated, context,
            [browser, &services] { showUserPageFolder(*browser, services); });
    }
}

class SelectionUnit final : public Page
{
public:
    explicit SelectionUnit(const Services &services)
        : m_services(services)
    {
    }

    void resolve(ControlResolver &controls) override
    {
        m_brandTab = controls.get<PageTab>(kBrandTab);
        for (std::size_t i = 0; i < std::size(kBrandChoices); ++i)
            m_choices[i] = controls.get<GraphicButton>(kBrandChoices[i]);
        m_brands.buttons.reserve(std::size(kButtons));
        for (const BrandPageButton &row : kButtons) {
            m_brands.buttons.push_back({controls.get<GraphicButton>(row.button),
                controls.get<BrowserHost>(row.browser), QString::fromUtf16(row.path)});
        }
        m_brands.starts.reserve(std::size(kStartPages));
        for (const BrandStartPage &start : kStartPages)
            m_brands.starts.push_back(
                {controls.get<BrowserHost>(start.browser), QString::fromUtf16(start.path)});
    }

    // The product and price buttons load their pages; a brand choice turns the brand tab to its
    // brand's page and loads nothing, so that each brand browser keeps what it shows.
    void wire(QObject *context) const override
    {
        for (const BrandPages::Button &button : m_brands.buttons) {
            QObject::connect(button.button, &GraphicButton::clicked, context,
                [&button] { loadPage(*button.browser, platform::ProgramDirectory(), button.path); });
        }
        PageTab &brandTab = *m_brandTab;
        for (std::size_t i = 0; i < m_choices.size(); ++i) {
            QObject::connect(m_choices[i], &GraphicButton::clicked, context,
                [&brandTab, page = int(i) + 1] { brandTab.setCurrentPage(page); });
        }
        // Tab reaches the brands as it reaches a page's boxes; a click leaves the focus where it is.
        for (GraphicButton *choice : m_choices)
            choice->setFocusPolicy(Qt::TabFocus);
        wireBrandKeys(brandTab, m_choices, m_brands, m_services, context);
        brandTab.setAccessibleName(QStringLiteral("空调品牌"));
        // Each brand browser shows the products of the brand whose header is above it.
        for (const BrandPages::Start &start : m_brands.starts) {
            if (const int page = brandTab.pageOf(start.browser); page >= 0)
                start.browser->setAccessibleName(brandTab.titles().at(page) + QStringLiteral(" 产品资料"));
        }
    }

    // Entering again returns to the brand choice and discards what the user had opened.
    void enter(EntrySteps &steps) const override
    {
        steps.turn();
        m_brandTab->setCurrentPage(0);
        loadStartPages(m_brands);
        steps.select();
        steps.focus(*m_choices.front());
    }

private:
    const Services &m_services;
    PageTab *m_brandTab = nullptr;
    std::array<GraphicButton *, std::size(kBrandChoices)> m_choices {};
    BrandPages m_brands;
};

} // namespace

std::span<const LayoutRow> SelectionRows()
{
    return kRows;
}

std::span<const BrandPageButton> BrandPageButtons()
{
    return kButtons;
}

std::span<const BrandStartPage> BrandStartPages()
{
    return kStartPages;
}

QUrl PageLocation(const QString &baseDirectory, const QString &relativePath)
{
    // The table writes paths with backslashes; a backslash in the program folder is a real
    // character of a folder name and stays.
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl::fromLocalFile(baseDirectory + relative);
}

std::unique_ptr<Page> MakeSelectionPage(const Services &services)
{
    return std::make_unique<SelectionUnit>(services);
}

} // namespace kalmoro
