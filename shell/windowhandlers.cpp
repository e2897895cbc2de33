#include "shell/windowhandlers.h"

#include "shell/mainwindow.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/pagetab.h"

namespace kalmoro {

void OnMainWindowCreated(MainWindow &window)
{
    window.control<PageTab>(QStringLiteral("高级选择夹1"))->setCurrentPage(0);
    window.control(QStringLiteral("格力价格"))->hide();
    window.control(QStringLiteral("大金价格"))->hide();
}

void MinimizeMainWindow(MainWindow &window)
{
    window.showMinimized();
}

void CloseMainWindow(MainWindow &window)
{
    window.requestClose();
}

void WireWindowControls(MainWindow &window)
{
    QObject::connect(window.control<GraphicButton>(QStringLiteral("最小化按钮")), &GraphicButton::clicked, &window,
                     [&window] { MinimizeMainWindow(window); });
    QObject::connect(window.control<GraphicButton>(QStringLiteral("销毁按钮")), &GraphicButton::clicked, &window,
                     [&window] { CloseMainWindow(window); });
}

} // namespace kalmoro
