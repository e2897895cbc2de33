#include "shell/navigation.h"

#include "pages/brandpages.h"
#include "pages/links.h"
#include "shell/mainwindow.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/pagetab.h"
#include "shell/widgets/picturebox.h"

#include <initializer_list>

namespace kalmoro {

namespace {

struct Entry {
    const char16_t *button;
    const char *selected;
    const char *unselected;
};

constexpr Entry kRefrigerant{u"加氟计算按钮", "img008", "img001"};
constexpr Entry kCopper{u"铜管价格按钮", "img000", "img007"};
constexpr Entry kDrainPipe{u"水管选择按钮", "img009", "img002"};
constexpr Entry kVent{u"风口价格按钮", "img010", "img003"};
constexpr Entry kSelection{u"空调选型按钮", "img011", "img004"};
constexpr Entry kAbout{u"关于软件按钮", "img006", "img005"};

struct BrandChoice {
    const char16_t *button;
    int page;
};

constexpr BrandChoice kBrandChoices[] = {
    {u"daikin1", 1}, {u"gree1", 2}, {u"meidi1", 3}, {u"aux1", 4}, {u"chigo1", 5},
};

GraphicButton *button(MainWindow &window, const Entry &entry)
{
    return window.control<GraphicButton>(QString::fromUtf16(entry.button));
}

void select(MainWindow &window, const Entry &entry)
{
    button(window, entry)->setImage(GraphicButton::Normal, QString::fromLatin1(entry.selected));
}

void unselect(MainWindow &window, std::initializer_list<Entry> entries)
{
    for (const Entry &entry : entries)
        button(window, entry)->setImage(GraphicButton::Normal, QString::fromLatin1(entry.unselected));
}

PageTab *mainTab(MainWindow &window)
{
    return window.control<PageTab>(QStringLiteral("高级选择夹1"));
}

PageTab *brandTab(MainWindow &window)
{
    return window.control<PageTab>(QStringLiteral("空调选型选择夹"));
}

void onClick(MainWindow &window, const Entry &entry, void (*handler)(MainWindow &))
{
    QObject::connect(button(window, entry), &GraphicButton::clicked, &window, [&window, handler] { handler(window); });
}

} // namespace

void ShowRefrigerantPage(MainWindow &window)
{
    select(window, kRefrigerant);
    unselect(window, {kCopper, kDrainPipe, kVent, kSelection, kAbout});
    mainTab(window)->setCurrentPage(1);
}

void ShowCopperPage(MainWindow &window)
{
    ShowQuotation(window);
    select(window, kCopper);
    unselect(window, {kRefrigerant, kDrainPipe, kVent, kSelection, kAbout});
    mainTab(window)->setCurrentPage(2);
}

void ShowDrainPipePage(MainWindow &window)
{
    select(window, kDrainPipe);
    unselect(window, {kRefrigerant, kCopper, kVent, kAbout, kSelection});
    mainTab(window)->setCurrentPage(3);
}

void ShowVentPage(MainWindow &window)
{
    select(window, kVent);
    unselect(window, {kDrainPipe, kRefrigerant, kCopper, kAbout, kSelection});
    mainTab(window)->setCurrentPage(4);
}

void ShowSelectionPage(MainWindow &window)
{
    mainTab(window)->setCurrentPage(5);
    brandTab(window)->setCurrentPage(0);
    LoadStartPages(window);
    select(window, kSelection);
    unselect(window, {kDrainPipe, kRefrigerant, kCopper, kVent, kAbout});
}

void ShowAboutPage(MainWindow &window)
{
    mainTab(window)->setCurrentPage(6);
    select(window, kAbout);
    unselect(window, {kDrainPipe, kRefrigerant, kCopper, kVent, kSelection});
}

void ShowStartPage(MainWindow &window)
{
    mainTab(window)->setCurrentPage(0);
}

void ShowBrandPage(MainWindow &window, int brandPage)
{
    brandTab(window)->setCurrentPage(brandPage);
}

void WireNavigation(MainWindow &window)
{
    onClick(window, kRefrigerant, ShowRefrigerantPage);
    onClick(window, kCopper, ShowCopperPage);
    onClick(window, kDrainPipe, ShowDrainPipePage);
    onClick(window, kVent, ShowVentPage);
    onClick(window, kSelection, ShowSelectionPage);
    onClick(window, kAbout, ShowAboutPage);
    QObject::connect(window.control<PictureBox>(QStringLiteral("tools")), &PictureBox::doubleClicked, &window,
                     [&window] { ShowStartPage(window); });
    for (const BrandChoice &choice : kBrandChoices) {
        QObject::connect(window.control<GraphicButton>(QString::fromUtf16(choice.button)), &GraphicButton::clicked,
                         &window, [&window, page = choice.page] { ShowBrandPage(window, page); });
    }
}

} // namespace kalmoro
