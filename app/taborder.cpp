#include "taborder.h"

#include <vector>

#include <QWidget>

#include "pageviews.h"
#include "widgets/editbox.h"
#include "widgets/radiobutton.h"

namespace kalmoro {

namespace {

void chain(const std::vector<QWidget *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

std::vector<QWidget *> refrigerantOrder(const RefrigerantPage &page)
{
    std::vector<QWidget *> order{page.greeMode, page.otherMode};
    order.insert(order.end(), page.models.begin(), page.models.end());
    order.insert(order.end(), {page.indoorUnits, page.indoorCapacity, page.ratio, page.outdoorCharge});
    // The lengths down the left column, then the right one: the order of the pipes.
    order.insert(order.end(), page.pipeLengths.begin(), page.pipeLengths.end());
    order.push_back(page.indoorCharge);
    return order;
}

std::vector<QWidget *> copperOrder(const CopperPage &page)
{
    std::vector<QWidget *> order{page.futuresPrice};
    for (const CopperPage::Row &row : page.rows)
        order.push_back(row.metres);
    for (const CopperPage::Row &row : page.rows)
        order.push_back(row.price);
    return order;
}

} // namespace

void SetTabOrders(const PageViews &views)
{
    chain(refrigerantOrder(views.refrigerant));
    chain(copperOrder(views.copper));
    const VentPage &vent = views.vent;
    chain({vent.outletLength, vent.outletWidth, vent.returnLength, vent.returnWidth});
}

} // namespace kalmoro
