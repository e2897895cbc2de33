#include "windowcontrols.h"

#include "controlresolver.h"
#include "mainwindow.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"

namespace kalmoro {

WindowControls ResolveWindowControls(ControlResolver &controls)
{
    return {
        .minimize = controls.get<GraphicButton>(u"最小化按钮"),
        .close = controls.get<GraphicButton>(u"销毁按钮"),
        .mainTab = controls.get<PageTab>(u"高级选择夹1"),
        .greePrice = controls.get<GraphicButton>(u"格力价格"),
        .daikinPrice = controls.get<GraphicButton>(u"大金价格"),
    };
}

void WireWindowControls(const WindowControls &controls, MainWindow &window, QObject *context)
{
    QObject::connect(controls.minimize, &GraphicButton::clicked, context, [&window] { MinimizeMainWindow(window); });
    QObject::connect(controls.close, &GraphicButton::clicked, context, [&window] { CloseMainWindow(window); });
}

void OnMainWindowCreated(const WindowControls &controls)
{
    controls.mainTab->setCurrentPage(0);
    controls.greePrice->hide();
    controls.daikinPrice->hide();
}

void MinimizeMainWindow(MainWindow &window)
{
    window.showMinimized();
}

void CloseMainWindow(MainWindow &window)
{
    window.requestClose();
}

} // namespace kalmoro
