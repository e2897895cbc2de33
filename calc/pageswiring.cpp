#include "calc/pages.h"

#include "shell/mainwindow.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace kalmoro {

namespace {

struct ClickHandler {
    const char16_t *control;
    void (*handler)(MainWindow &);
};

constexpr ClickHandler kClicks[] = {
    {u"格力加氟", EnableOutdoorPart},
    {u"其他加氟", DisableOutdoorPart},
    {u"室内机加氟量", ComputeOutdoorCharge},
    {u"室外机加氟量", ComputeIndoorCharge},
    {u"室外机加氟量1", ComputeTotalCharge},
    {u"超级按钮1", ComputeCopperTotal},
    {u"超级按钮3", ClearCopperMetres},
    {u"出风口计算", ComputeOutletPrice},
    {u"回风口计算", ComputeReturnPrice},
};

} // namespace

void WireCalculatorPages(MainWindow &window)
{
    for (const ClickHandler &click : kClicks) {
        QObject::connect(window.control<QAbstractButton>(QString::fromUtf16(click.control)), &QAbstractButton::clicked,
                         &window, [&window, handler = click.handler] { handler(window); });
    }
    QObject::connect(window.control<QLineEdit>(QStringLiteral("编辑框0")), &QLineEdit::textChanged, &window,
                     [&window] { RefreshMarketPrices(window); });
}

} // namespace kalmoro
