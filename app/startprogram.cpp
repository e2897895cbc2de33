#include "startprogram.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

#include "commandline.h"
#include "fonts.h"
#include "images.h"
#include "jobwindow.h"
#include "jobwindowwiring.h"
#include "pageviews.h"
#include "platform.h"
#include "programinfo.h"
#include "qttranslation.h"
#include "quotationactions.h"
#include "windowbuilder.h"

namespace kalmoro {

namespace {

// Owns the page views and the job window for as long as the main window lives, and is the context
// of every handler's connection, so that no handler outlives the views it works on.
class WiredViews final : public QObject
{
public:
    WiredViews(std::unique_ptr<PageViews> views, QObject *window)
        : QObject(window)
        , m_views(std::move(views))
    {
    }
    const PageViews &views() const { return *m_views; }
    JobWindow &jobWindow() const { return *m_jobWindow; }

private:
    std::unique_ptr<PageViews> m_views;
    std::unique_ptr<JobWindow> m_jobWindow = std::make_unique<JobWindow>();
};

void wire(MainWindow &window, const PageViews &views, JobWindow &job, QObject *context)
{
    WireWindowControls(views.windowControls, window, context);
    WireNavigation(views.navigation, views.brands, context);
    WireBrandPages(views.brands, context);
    WireLinks(views.links, context);
    for (const std::unique_ptr<CalculatorPage> &page : views.calculators)
        page->wire(context);
    WireQuotationActions(views, window, job, context);
    WireJobWindow(window, job, context);
}

// The program is Chinese whatever the desktop's language, and so are Qt's own texts: dialog buttons,
// the edit boxes' menu. The browser engine takes its language, and with it the language of its own
// pages, from the default locale when it starts; its plugin brings the engine's texts.
void speakChinese()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    InstallQtTranslation(QCoreApplication::instance(), QStringLiteral("qtbase"));
}

} // namespace

CreatedWindow CreateMainWindow(std::span<const LayoutRow> layout)
{
    platform::AwaitPreparation();
    QString failure;
    std::unique_ptr<MainWindow> window = BuildMainWindow(layout, &failure);
    if (!window)
        return {nullptr, nullptr, failure};
    ResolvedViews resolved = ResolvePageViews(*window);
    if (!resolved.views)
        return {nullptr, nullptr, resolved.failure};
    auto *wired = new WiredViews(std::move(resolved.views), window.get());
    wire(*window, wired->views(), wired->jobWindow(), wired);
    OnMainWindowCreated(wired->views().windowControls);
    DecodeShownPicturesAhead(*window, layout);
    return {std::move(window), &wired->jobWindow(), {}};
}

int ReportStartupFailure()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"),
        QStringLiteral("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"), QMessageBox::Ok);
    box.exec();
    return -1;
}

void SetUpApplication()
{
    // Names the desktop entry, which desktops match the window with: on Wayland as the
    // window's application id, on X11 as a window property.
    QGuiApplication::setDesktopFileName(QStringLiteral(KALMORO_APP_ID));
    QApplication::setFont(UiFont());
    QDir::setCurrent(platform::ProgramDirectory());
    speakChinese();
}

void ShowMainWindow(MainWindow &window)
{
    window.show();
    QApplication::setWindowIcon(assets::ProgramIcon());
}

int StartProgram(int argc, char *argv[])
{
    // Read first: the help and the version need no display, and a refused argument changes nothing.
    CommandLine line = ReadCommandLine(argc, argv);
    if (line.request != CommandLine::Request::Run)
        return AnswerCommandLine(line);
    platform::PrepareProcess();
    // Qt sees its own options only.
    int qtArgc = static_cast<int>(line.qtArguments.size()) - 1;
    QApplication application(qtArgc, line.qtArguments.data());
    platform::QuitOnTerminationSignals();
    SetUpApplication();

    CreatedWindow created = CreateMainWindow();
    if (!created.window)
        return ReportStartupFailure();
    ShowMainWindow(*created.window);
    if (!line.jobFile.empty() && created.jobWindow->openFile(QString::fromLocal8Bit(line.jobFile)))
        created.jobWindow->present();
    return QApplication::exec();
}

} // namespace kalmoro
