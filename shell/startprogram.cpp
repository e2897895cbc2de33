#include "shell/startprogram.h"

#include "assets/images.h"
#include "calc/pages.h"
#include "pages/brandpages.h"
#include "pages/links.h"
#include "shell/fonts.h"
#include "shell/navigation.h"
#include "shell/platform.h"
#include "shell/windowbuilder.h"
#include "shell/windowhandlers.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace kalmoro {

std::unique_ptr<MainWindow> CreateMainWindow()
{
    std::unique_ptr<MainWindow> window = BuildMainWindow(MainLayout());
    if (!window)
        return nullptr;
    WireWindowControls(*window);
    WireNavigation(*window);
    WireBrandPages(*window);
    WireLinks(*window);
    WireCalculatorPages(*window);
    OnMainWindowCreated(*window);
    return window;
}

QString StartupFailureText()
{
    return QStringLiteral("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

int ReportStartupFailure()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), StartupFailureText(), QMessageBox::Ok);
    box.exec();
    return -1;
}

void SetUpApplication()
{
    QApplication::setFont(UiFont());
    QDir::setCurrent(platform::ProgramDirectory());
}

void ShowMainWindow(MainWindow &window)
{
    window.show();
    QApplication::setWindowIcon(assets::ProgramIcon());
}

int StartProgram(int argc, char *argv[])
{
    platform::PrepareProcess();
    // Qt would act on options such as -platform or -style; the program reads no command line.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    SetUpApplication();

    std::unique_ptr<MainWindow> window = CreateMainWindow();
    if (!window)
        return ReportStartupFailure();
    ShowMainWindow(*window);
    return QApplication::exec();
}

} // namespace kalmoro
