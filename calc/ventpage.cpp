#include "calc/pages.h"

#include "calc/controlnumber.h"
#include "calc/vent.h"
#include "shell/mainwindow.h"

namespace kalmoro {

void ComputeOutletPrice(MainWindow &window)
{
    const double length = ReadNumber(window.control(QStringLiteral("出风长")));
    const double width = ReadNumber(window.control(QStringLiteral("出风宽")));
    WriteNumber(window.control(QStringLiteral("出风口价格")), vent::OutletPrice(length, width));
}

void ComputeReturnPrice(MainWindow &window)
{
    const double length = ReadNumber(window.control(QStringLiteral("回风长")));
    const double width = ReadNumber(window.control(QStringLiteral("回风宽")));
    WriteNumber(window.control(QStringLiteral("回风口价格")), vent::ReturnPrice(length, width));
}

} // namespace kalmoro
