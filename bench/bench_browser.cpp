// Times the browsers as the user meets them: the first quotation load of a run, which starts the
// engine, and the five brand start pages loaded at once on entering the selection page. Each is
// reported against a baseline from the same run: a quotation load with the engine already
// running, and a single start page. Last, the memory of the whole process tree (program, engine
// and renderer processes) of the real window on the X display, with the quotation and the five
// start pages open and again after fifteen product pages, each set against the same browsing with
// a renderer for every view, as the engine's default process model has it.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "loopbackserver.h"
#include "mainwindow.h"
#include "pages/selectionpage.h"
#include "platform.h"
#include "processtree.h"
#include "services.h"
#include "shelltesting.h"
#include "statistics.h"
#include "widgets/browserhost.h"
#include "widgets/pagetab.h"

namespace kalmoro {

namespace {

constexpr int Runs = 5;
constexpr int TimeoutMs = 60000;
const char *const FirstQuotationOption = "--first-quotation";
const char *const MemoryOption = "--memory";
// As the program ran before its pages shared a renderer: the engine's default of a renderer for
// each view, whatever it shows, and the X display's OpenGL driver loaded with the engine.
const char *const RendererPerViewFlags = "--process-per-tab";
const char *const OpenGlOnX = "xcb_glx";
constexpr int ProductPages = 15;
constexpr double OpenGoalMB = 200.0;
constexpr double BrowsedGoalMB = 250.0;
const char *const EngineLibrary = "libQt6WebEngineCore";

const QByteArray QuotationPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>CU0</title></head>
<body><table><tr><th>最新价</th><td>48000</td></tr></table></body></html>)";

// Counts the pages that the engine has finished, whether they loaded or failed.
class FinishedPages final : public QObject
{
    Q_OBJECT
public:
    int count = 0;

public Q_SLOTS:
    void finished() { ++count; }
};

// Milliseconds from sending every host to its address until the last page has finished.
double timeLoads(const std::vector<BrowserHost *> &hosts, const QList<QUrl> &urls)
{
    FinishedPages pages;
    QElapsedTimer timer;
    timer.start();
    for (std::size_t i = 0; i < hosts.size(); ++i) {
        hosts[i]->setAddress(urls.at(static_cast<qsizetype>(i)));
        if (!hosts[i]->view())
            qFatal("the browser plugin did not load");
        // The view type lives in the plugin; its signal is reached by name.
        QObject::connect(
            hosts[i]->view(), SIGNAL(loadFinished(bool)), &pages, SLOT(finished()), Qt::UniqueConnection);
    }
    while (pages.count < static_cast<int>(hosts.size())) {
        if (timer.elapsed() > TimeoutMs)
            qFatal("pages did not finish loading");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Loads the quotation into a fresh browser each run, as large and clipped as in the window.
std::vector<double> quotationLoads(test::LoopbackServer &server, int runs)
{
    const QUrl quote = server.url(QStringLiteral("/futures/quotes/CU0.shtml"));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QWidget box;
        box.resize(240, 152);
        auto *host = new BrowserHost(&box);
        host->setGeometry(-205, -377, 488, 528);
        host->setSilent(true);
        box.show();
        times.push_back(timeLoads({host}, {quote}));
    }
    return times;
}

std::vector<double> startPageLoads(qsizetype pageCount)
{
    QList<QUrl> urls;
    for (const BrandStartPage &page : BrandStartPages().first(static_cast<std::size_t>(pageCount)))
        urls.append(PageLocation(platform::ProgramDirectory(), QString::fromUtf16(page.path)));
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QWidget window;
        window.resize(816, 432 * static_cast<int>(pageCount));
        std::vector<BrowserHost *> hosts;
        for (qsizetype i = 0; i < pageCount; ++i) {
            hosts.push_back(new BrowserHost(&window));
            hosts.back()->setGeometry(0, 432 * static_cast<int>(i), 816, 432);
        }
        window.show();
        times.push_back(timeLoads(hosts, urls));
    }
    return times;
}

// The first load of a run happens once per process, so each cold figure is a process of its own.
std::vector<double> coldQuotationLoads()
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(FirstQuotationOption)});
        if (!child.waitForFinished(TimeoutMs) || child.exitCode() != 0)
            qFatal("the first-load run failed: %s", child.readAllStandardError().constData());
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return times;
}

// Sends the views of hosts to their addresses by clicking button and waits until every one has
// finished.
void clickAndAwait(QWidget *button, const std::vector<BrowserHost *> &hosts)
{
    FinishedPages pages;
    QTest::mouseClick(button, Qt::LeftButton);
    for (BrowserHost *host : hosts) {
        if (!host->view())
            qFatal("the browser plugin did not load");
        // The view type lives in the plugin; its signal is reached by name.
        QObject::connect(host->view(), SIGNAL(loadFinished(bool)), &pages, SLOT(finished()));
    }
    QElapsedTimer timer;
    timer.start();
    while (pages.count < static_cast<int>(hosts.size())) {
        if (timer.elapsed() > TimeoutMs)
            qFatal("pages did not finish loading");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

// The tree's PSS in KiB, its process count and the processes outside it that map the engine, whose
// share of the engine's pages the tree's figure then leaves out.
void printMemory()
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    std::printf("%lld %d %d\n", static_cast<long long>(bench::TreePssKiB(self)),
        bench::TreeProcessCount(self), bench::OtherProcessesMapping(self, EngineLibrary));
}

// The user's way through the real window: the copper page's quotation, the selection page with the
// five brand start pages, then the first product pages of the brands, each reached from the brand
// choice as the user does, and back to it by its header.
void browseTheWindow(test::LoopbackServer &server)
{
    Services services;
    services.futuresQuote = server.url(QStringLiteral("/futures/quotes/CU0.shtml"));
    const std::unique_ptr<MainWindow> window = testing::ShowProgramWindow(std::move(services));
    if (!window)
        qFatal("the window did not come up");
    const auto host
        = [&window](const char16_t *name) { return window->control<BrowserHost>(QString::fromUtf16(name)); };
    clickAndAwait(window->control(QStringLiteral("铜管价格按钮")), {host(u"今日铜价浏览")});
    std::vector<BrowserHost *> brands;
    for (const BrandStartPage &page : BrandStartPages())
        brands.push_back(host(page.browser));
    clickAndAwait(window->control(QStringLiteral("空调选型按钮")), brands);
    printMemory();

    auto *brandTab = window->control<PageTab>(QString::fromUtf16(brandnames::kBrandTab.data()));
    const std::u16string_view choices[] = {brandnames::kDaikinChoice, brandnames::kGreeChoice,
        brandnames::kMideaChoice, brandnames::kAuxChoice, brandnames::kChigoChoice};
    int shown = 0;
    for (const BrandPageButton &row : BrandPageButtons()) {
        QWidget *button = window->control(QString::fromUtf16(row.button));
        if (button->isHidden())
            continue;
        const int brandPage = brandTab->pageOf(button);
        QTest::mouseClick(window->control(QString::fromUtf16(choices[brandPage - 1].data())), Qt::LeftButton);
        clickAndAwait(button, {host(row.browser)});
        QTest::mouseClick(brandTab, Qt::LeftButton, {}, brandTab->headerRect(0).center());
        if (++shown == ProductPages)
            break;
    }
    printMemory();
}

struct TreeMemory {
    std::vector<double> openMiB;
    std::vector<double> browsedMiB;
    int openProcesses = 0;
    int browsedProcesses = 0;
    int otherEngineUsers = 0;
};

// One browsing in a process of its own, so that no earlier page is still held, as the program does
// it or, perView, as it did before.
void browseOnce(bool perView, TreeMemory &memory)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
    environment.remove(QStringLiteral("QT_XCB_GL_INTEGRATION"));
    if (perView) {
        environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QLatin1String(RendererPerViewFlags));
        environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QLatin1String(OpenGlOnX));
    }
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(MemoryOption)});
    if (!child.waitForFinished(TimeoutMs * 2) || child.exitCode() != 0)
        qFatal("the memory run failed: %s", child.readAllStandardError().constData());
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    memory.openMiB.push_back(words.value(0).toDouble() / 1024.0);
    memory.openProcesses = words.value(1).toInt();
    memory.browsedMiB.push_back(words.value(3).toDouble() / 1024.0);
    memory.browsedProcesses = words.value(4).toInt();
    memory.otherEngineUsers
        = std::max({memory.otherEngineUsers, words.value(2).toInt(), words.value(5).toInt()});
}

// The median of each, the program's highest beside it: the figures move with what else on the
// machine shares the libraries. The goal is judged only with no other user of the engine about.
void reportMemory(const char *what, const std::vector<double> &mib, int processes,
    const std::vector<double> &perViewMiB, int perViewProcesses, double goalMB, bool alone)
{
    const double median = bench::Median(mib);
    const double mb = median * 1.048576;
    const char *verdict = mb <= goalMB ? "met" : "missed";
    if (!alone)
        verdict = "not judged";
    std::printf("%-32s %6.1f MiB (%6.1f MB, highest %6.1f MiB) in %d processes   before %6.1f MiB in %d "
                "processes   ratio %4.2f   goal %.0f MB: %s\n",
        what, median, mb, std::ranges::max(mib), processes, bench::Median(perViewMiB), perViewProcesses,
        median / bench::Median(perViewMiB), goalMB, verdict);
}

void report(const char *what, double ms, const char *baselineName, double baselineMs)
{
    std::printf("%-34s %8.1f ms   %-30s %8.1f ms   ratio %5.2f\n", what, ms, baselineName, baselineMs,
        ms / baselineMs);
}

} // namespace

int RunBrowserBench()
{
    test::LoopbackServer server(QuotationPage);
    if (!server.start())
        qFatal("cannot listen on the loopback address");

    if (QCoreApplication::arguments().contains(QLatin1String(FirstQuotationOption))) {
        std::printf("%.3f\n", quotationLoads(server, 1).front());
        return 0;
    }
    if (QCoreApplication::arguments().contains(QLatin1String(MemoryOption))) {
        browseTheWindow(server);
        return 0;
    }

    // The memory first, while this process has not yet loaded the engine, whose pages it would
    // otherwise share with the browsing under measurement.
    const bool display = qEnvironmentVariableIsSet("DISPLAY");
    // Alternating, so that both process models meet the machine in the same state.
    TreeMemory shared;
    TreeMemory perView;
    for (int run = 0; display && run < Runs; ++run) {
        browseOnce(false, shared);
        browseOnce(true, perView);
    }
    const double cold = bench::Median(coldQuotationLoads());
    // Starts the engine and keeps its profile for the runs that follow, as the open window does.
    BrowserHost running;
    timeLoads({&running}, {QUrl(QStringLiteral("about:blank"))});
    const double warm = bench::Median(quotationLoads(server, Runs));
    const double five = bench::Median(startPageLoads(5));
    const double one = bench::Median(startPageLoads(1));
    std::printf("median of %d runs (loopback quotation server, local start pages)\n", Runs);
    report("first quotation load", cold, "quotation load, engine running", warm);
    report("five start pages", five, "one start page", one);
    if (!display) {
        std::printf("process tree PSS: needs an X display for the real window (xvfb-run -a)\n");
        return 0;
    }
    std::printf("process tree PSS of the window on the X display, median of %d runs each\n", Runs);
    const int others = std::max(shared.otherEngineUsers, perView.otherEngineUsers);
    reportMemory("quotation and five start pages", shared.openMiB, shared.openProcesses, perView.openMiB,
        perView.openProcesses, OpenGoalMB, others == 0);
    reportMemory("after fifteen product pages", shared.browsedMiB, shared.browsedProcesses,
        perView.browsedMiB, perView.browsedProcesses, BrowsedGoalMB, others == 0);
    if (others > 0)
        std::printf(
            "%d other processes mapped the engine meanwhile: the figures leave out their share of it\n",
            others);
    return 0;
}

} // namespace kalmoro

int main(int argc, char *argv[])
{
    // The timings on the offscreen platform; the memory runs ask for the X display themselves.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kalmoro::platform::PrepareProcess();
    QApplication application(argc, argv);
    return kalmoro::RunBrowserBench();
}

#include "bench_browser.moc"
