#include "accessiblenames.h"

#include "pageviews.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/pagetab.h"

namespace kalmoro {

namespace {

void nameRefrigerantPage(const RefrigerantPage &page)
{
    page.indoorUnits->setAccessibleName(QStringLiteral("室内机台数 台"));
    page.indoorCapacity->setAccessibleName(QStringLiteral("室内机总量 KW"));
    page.ratio->setAccessibleName(QStringLiteral("配比率"));
    page.outdoorCharge->setAccessibleName(QStringLiteral("室外机所需氟利昂 KG"));
    for (std::size_t i = 0; i < page.pipeLengths.size(); ++i)
        page.pipeLengths[i]->setAccessibleName(refrigerant::LiquidPipes[i].name.toString());
    page.indoorCharge->setAccessibleName(QStringLiteral("室内机所需氟利昂 KG"));
}

// The copper page's captions are drawn in its picture: the pipe, then the units.
void nameCopperPage(const CopperPage &page)
{
    page.futuresPrice->setAccessibleName(QStringLiteral("期货铜价 元"));
    for (const CopperPage::Row &row : page.rows) {
        row.metres->setAccessibleName(copper::PipeName(*row.pipe) + QStringLiteral(" 米"));
        row.price->setAccessibleName(copper::PipeName(*row.pipe) + QStringLiteral(" 市场价 元"));
    }
    page.quotation->setAccessibleName(QStringLiteral("今日铜价"));
}

// The vent page's captions are drawn in its picture as well.
void nameVentPage(const VentPage &page)
{
    page.outletLength->setAccessibleName(QStringLiteral("出风口尺寸 长 米"));
    page.outletWidth->setAccessibleName(QStringLiteral("出风口尺寸 宽 米"));
    page.returnLength->setAccessibleName(QStringLiteral("回风口尺寸 长 米"));
    page.returnWidth->setAccessibleName(QStringLiteral("回风口尺寸 宽 米"));
}

// Each brand browser shows the products of the brand whose header is above it.
void nameBrandBrowsers(const Navigation &navigation, const BrandPages &brands)
{
    const PageTab &tab = *navigation.brandTab;
    for (const BrandPages::Start &start : brands.starts) {
        if (const int page = tab.pageOf(start.browser); page >= 0)
            start.browser->setAccessibleName(tab.titles().at(page) + QStringLiteral(" 产品资料"));
    }
}

} // namespace

void NameControls(const PageViews &views)
{
    nameRefrigerantPage(views.refrigerant);
    nameCopperPage(views.copper);
    nameVentPage(views.vent);
    nameBrandBrowsers(views.navigation, views.brands);
}

} // namespace kalmoro
