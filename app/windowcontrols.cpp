#include "windowcontrols.h"

#include "controlresolver.h"
#include "framenames.h"
#include "layoutnotes.h"
#include "mainwindow.h"
#include "pages/selectionpage.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"

namespace kalmoro {

WindowControls ResolveWindowControls(ControlResolver &controls)
{
    return {
        .minimize = controls.get<GraphicButton>(framenames::kMinimize),
        .close = controls.get<GraphicButton>(framenames::kClose),
        .mainTab = controls.get<PageTab>(layoutnotes::kMainTab),
        .greePrice = controls.get<GraphicButton>(brandnames::kGreePrice),
        .daikinPrice = controls.get<GraphicButton>(brandnames::kDaikinPrice),
    };
}

void WireWindowControls(const WindowControls &controls, MainWindow &window, QObject *context)
{
    QObject::connect(
        controls.minimize, &GraphicButton::clicked, context, [&window] { MinimizeMainWindow(window); });
    QObject::connect(
        controls.close, &GraphicButton::clicked, context, [&window] { CloseMainWindow(window); });
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
