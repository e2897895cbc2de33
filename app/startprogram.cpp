#include "startprogram.h"

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "commandline.h"
#include "fonts.h"
#include "images.h"
#include "jobwindow.h"
#include "jobwindowondemand.h"
#include "jobwindowwiring.h"
#include "pageviews.h"
#include "platform.h"
#include "programinfo.h"
#include "qttranslation.h"
#include "quotationactions.h"
#include "widgets/browserhost.h"
#include "widgets/pagetab.h"

namespace kalmoro {

namespace {

// Owns the services, the page views and the job window for as long as the main window lives, and
// is the context of every handler's connection, so that no handler outlives what it works on.
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
    JobWindowOnDemand &jobWindow() { return m_jobWindow; }

private:
    Services m_services;
    std::unique_ptr<PageViews> m_views;
    JobWindowOnDemand m_jobWindow {m_services};
};

void wire(MainWindow &window, const PageViews &views, JobWindowOnDemand &job, QObject *context,
    const Services &services)
{
    WireWindowControls(views.windowControls, window, context);
    WireNavigation(views.navigation, context);
    WireLinks(views.links, context);
    for (const Page *page : views.pages)
        page->wire(context);
    std::vector<const PageJobLines *> linePages;
    for (const std::unique_ptr<CalculatorPage> &page : views.calculators) {
        if (const PageJobLines *lines = page->jobLines())
            linePages.push_back(lines);
    }
    job.setPages(std::move(linePages));
    // Filled from the job's rooms, a page is shown as its entry shows it, in front of the job window.
    job.setShowPage([&views, &window](const PageJobLines &lines) {
        for (const std::unique_ptr<CalculatorPage> &page : views.calculators) {
            if (page->jobLines() == &lines)
                NavigateTo(views.navigation, *page);
        }
        window.raise();
    });
    job.setCompanion(window, *views.windowControls.mainTab);
    WireQuotationActions(views, window, job, context, services);
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

// The rest of a window whose first frame builder has built: the other controls, every page view
// resolved and wired, and the window's created handler run. Why not, when it cannot be built; the
// window is then gone.
struct Completion {
    JobWindowOnDemand *jobWindow = nullptr; // goes with the window
    QString failure;
};

Completion completeMainWindow(WindowBuilder &builder, Services services)
{
    if (!builder.buildRest())
        return {nullptr, builder.failure()};
    MainWindow &window = *builder.window();
    auto *wired = new WiredViews(std::move(services), &window);
    ResolvedViews resolved = ResolvePageViews(window, wired->services());
    if (!resolved.views) {
        builder.takeWindow().reset();
        return {nullptr, resolved.failure};
    }
    wired->setViews(std::move(resolved.views));
    for (BrowserHost *browser : window.findChildren<BrowserHost *>())
        browser->setEngine(wired->services().browserEngine);
    wire(window, wired->views(), wired->jobWindow(), wired, wired->services());
    OnMainWindowCreated(wired->views().windowControls);
    FocusStartPage(wired->views().navigation);
    return {&wired->jobWindow(), {}};
}

} // namespace

CreatedWindow CreateMainWindow(Services services, std::span<const LayoutRow> layout)
{
    WindowBuilder builder(layout);
    if (!builder.buildFirstFrame())
        return {nullptr, nullptr, builder.failure()};
    Completion completion = completeMainWindow(builder, std::move(services));
    if (!completion.failure.isEmpty())
        return {nullptr, nullptr, completion.failure};
    return {builder.takeWindow(), completion.jobWindow, {}};
}

StartingWindow::StartingWindow(std::span<const LayoutRow> layout)
    : m_builder(layout)
{
    MainWindow *window = m_builder.buildFirstFrame();
    if (!window) {
        m_failure = m_builder.failure();
        return;
    }
    m_hold = std::make_unique<InputHold>(*window);
    window->installEventFilter(this);
    ShowMainWindow(*window);
    QTimer::singleShot(kRestAtTheLatest, this, &StartingWindow::buildRest);
}

StartingWindow::~StartingWindow() = default;

MainWindow *StartingWindow::window() const
{
    return m_builder.window();
}

bool StartingWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A call posted from the window's first paint runs once the whole frame has been painted and
    // handed to the window system.
    if (event->type() == QEvent::Paint && watched == window()) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &StartingWindow::buildRest, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void StartingWindow::buildRest()
{
    if (!m_hold)
        return;
    // Decoded before, the icon would hold back the first frame, which does not show it.
    QApplication::setWindowIcon(assets::ProgramIcon());
    Completion completion = completeMainWindow(m_builder, {});
    m_failure = completion.failure;
    m_jobWindow = completion.jobWindow;
    if (m_failure.isEmpty())
        m_hold->release();
    m_hold.reset();
    Q_EMIT finished();
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
    // Nothing has laid out text yet: the first frame's text is laid out when it is painted.
    platform::AwaitPreparation();
}

int StartProgram(int argc, char *argv[])
{
    // Read first: the help and the version need no display, and a refused argument changes nothing.
    CommandLine line = ReadCommandLine(argc, argv);
    if (line.request != CommandLine::Request::Run)
        return AnswerCommandLine(line);
    // Nothing is made before a display is known to be there.
    if (const QString refusal = platform::DisplayRefusal(QString::fromStdString(line.platform));
        !refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
        return 1;
    }
    // Read against the folder the user started in, before the program moves to its own.
    const QString jobFile = line.jobFile.empty()
        ? QString()
        : QFileInfo(QString::fromLocal8Bit(line.jobFile)).absoluteFilePath();
    platform::PrepareProcess();
    // Qt sees its own options only.
    int qtArgc = static_cast<int>(line.qtArguments.size()) - 1;
    QApplication application(qtArgc, line.qtArguments.data());
    platform::QuitOnTerminationSignals();
    SetUpApplication();

    StartingWindow starting;
    if (!starting.window())
        return ReportStartupFailure();
    std::optional<int> failed;
    QObject::connect(&starting, &StartingWindow::finished, [&starting, &failed, &jobFile] {
        if (!starting.window()) {
            failed = ReportStartupFailure();
            QCoreApplication::exit(*failed);
        } else if (!jobFile.isEmpty()) {
            JobWindow &job = starting.jobWindow()->window();
            if (job.openFile(jobFile))
                job.present();
        }
    });
    const int ended = QApplication::exec();
    const int status = failed.value_or(ended);
    // Closing the browser engine may wait for good on one of its threads.
    platform::EnsureProcessEnds(status);
    return status;
}

} // namespace kalmoro
