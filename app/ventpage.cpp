#include "ventpage.h"

#include "controlnumber.h"
#include "controlresolver.h"
#include "vent.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

VentPage ResolveVentPage(ControlResolver &controls)
{
    return {
        .outletLength = controls.get<EditBox>(u"出风长"),
        .outletWidth = controls.get<EditBox>(u"出风宽"),
        .outletPrice = controls.get<TransparentLabel>(u"出风口价格"),
        .computeOutlet = controls.get<GraphicButton>(u"出风口计算"),
        .returnLength = controls.get<EditBox>(u"回风长"),
        .returnWidth = controls.get<EditBox>(u"回风宽"),
        .returnPrice = controls.get<TransparentLabel>(u"回风口价格"),
        .computeReturn = controls.get<GraphicButton>(u"回风口计算"),
    };
}

void WireVentPage(const VentPage &page, QObject *context)
{
    QObject::connect(page.computeOutlet, &GraphicButton::clicked, context, [&page] { ComputeOutletPrice(page); });
    QObject::connect(page.computeReturn, &GraphicButton::clicked, context, [&page] { ComputeReturnPrice(page); });
}

bool IsOutletFilled(const VentPage &page)
{
    return !page.outletLength->text().isEmpty() || !page.outletWidth->text().isEmpty();
}

bool IsReturnFilled(const VentPage &page)
{
    return !page.returnLength->text().isEmpty() || !page.returnWidth->text().isEmpty();
}

void UpdateVentPrices(const VentPage &page)
{
    if (IsOutletFilled(page))
        ComputeOutletPrice(page);
    if (IsReturnFilled(page))
        ComputeReturnPrice(page);
}

void ComputeOutletPrice(const VentPage &page)
{
    const double length = ReadNumber(*page.outletLength);
    const double width = ReadNumber(*page.outletWidth);
    WriteNumber(*page.outletPrice, vent::OutletPrice(length, width));
}

void ComputeReturnPrice(const VentPage &page)
{
    const double length = ReadNumber(*page.returnLength);
    const double width = ReadNumber(*page.returnWidth);
    WriteNumber(*page.returnPrice, vent::ReturnPrice(length, width));
}

} // namespace kalmoro
