#include "startprogram.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

#include "commandline.h"
#include "fonts.h"
#include "images.h"
#include "pageviews.h"
#include "platform.h"
#include "programinfo.h"
#include "qttranslation.h"
#include "quotationactions.h"
#include "widgets/browserhost.h"
#include "windowbuilder.h"

namespace kalmoro {

namespace {

// Owns the services and the page views for as long as the window lives, and is the context of
// every handler's connection, so that no handler outlives what it works on.
class WiredViews final : public QObject
{
public:
    WiredViews(Services services, QObject *window)
        : QObject(window)
        , m_services(std::move(services))
    {
    }
    const Services &services() const { return m_services; }
    const PageViews &views() const { return *m_views; }
    void setViews(std::unique_ptr<PageViews> views) { m_views = std::move(views); }

private:
    Services m_services;
    std::unique_ptr<PageViews> m_views;
};

void wire(MainWindow &window, const PageViews &views, QObject *context, const Services &services)
{
    WireWindowControls(views.windowControls, window, context);
    WireNavigation(views.navigation, views.brands, context);
    WireBrandPages(views.brands, context);
    WireLinks(views.links, context);
    DescribeDrainPipeTable(views.drainPipe);
    for (const std::unique_ptr<CalculatorPage> &page : views.calculators)
        page->wire(context);
    WireQuotationActions(views, window, context, services);
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

CreatedWindow CreateMainWindow(Services services, std::span<const LayoutRow> layout)
{
    platform::AwaitPreparation();
    QString failure;
    std::unique_ptr<MainWindow> window = BuildMainWindow(layout, &failure);
    if (!window)
        return {nullptr, failure};
    auto *wired = new WiredViews(std::move(services), window.get());
    ResolvedViews resolved = ResolvePageViews(*window, wired->services());
    if (!resolved.views)
        return {nullptr, resolved.failure};
    wired->setViews(std::move(resolved.views));
    for (BrowserHost *browser : window->findChildren<BrowserHost *>())
        browser->setEngine(wired->services().browserEngine);
    wire(*window, wired->views(), wired, wired->services());
    OnMainWindowCreated(wired->views().windowControls);
    DecodeShownPicturesAhead(*window, layout);
    return {std::move(window), {}};
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
    const int status = QApplication::exec();
    // Closing the browser engine may wait for good on one of its threads.
    platform::EnsureProcessEnds(status);
    return status;
}

} // namespace kalmoro
