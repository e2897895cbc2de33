// Times the browsers as the user meets them: the first quotation load of a run, which starts the
// engine, and the five brand start pages loaded at once on entering the selection page. Each is
// reported against a baseline from the same run: a quotation load with the engine already
// running, and a single start page. Last, the memory of the whole process tree (program, engine
// and renderer processes) with the quotation and the five start pages open.

#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include "loopbackserver.h"
#include "pages/selectionpage.h"
#include "platform.h"
#include "processtree.h"
#include "statistics.h"
#include "widgets/browserhost.h"

namespace kalmoro {

namespace {

constexpr int Runs = 5;
constexpr int TimeoutMs = 60000;
const char *const FirstQuotationOption = "--first-quotation";
const char *const MemoryOption = "--memory";
constexpr double MemoryGoalMiB = 250.0;

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

// The quotation and the five start pages open as in the window: the quotation clipped in its box,
// the start pages on top of one another in the page area.
void openEveryBrowser(test::LoopbackServer &server)
{
    QWidget window;
    window.resize(1080, 695);
    QWidget box(&window);
    box.setGeometry(240, 104, 240, 152);
    auto *quotation = new BrowserHost(&box);
    quotation->setGeometry(-205, -377, 488, 528);
    quotation->setSilent(true);
    std::vector<BrowserHost *> hosts {quotation};
    QList<QUrl> urls {server.url(QStringLiteral("/futures/quotes/CU0.shtml"))};
    for (const BrandStartPage &page : BrandStartPages()) {
        hosts.push_back(new BrowserHost(&window));
        hosts.back()->setGeometry(240, 104, 816, 432);
        urls.append(PageLocation(platform::ProgramDirectory(), QString::fromUtf16(page.path)));
    }
    window.show();
    timeLoads(hosts, urls);
    const QString self = QString::number(QCoreApplication::applicationPid());
    std::printf("%lld %d\n", static_cast<long long>(bench::TreePssKiB(self)), bench::TreeProcessCount(self));
}

struct TreeMemory {
    double pssMiB = 0;
    int processes = 0;
};

// Each figure from a process of its own, so that no earlier page is still held.
TreeMemory everyBrowserMemory()
{
    std::vector<double> pss;
    int processes = 0;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(MemoryOption)});
        if (!child.waitForFinished(TimeoutMs) || child.exitCode() != 0)
            qFatal("the memory run failed: %s", child.readAllStandardError().constData());
        const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
        pss.push_back(words.value(0).toDouble() / 1024.0);
        processes = words.value(1).toInt();
    }
    return {bench::Median(pss), processes};
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
        openEveryBrowser(server);
        return 0;
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
    const TreeMemory memory = everyBrowserMemory();
    std::printf("process tree PSS, quotation and five start pages loaded: %.1f MiB in %d processes "
                "(goal %.0f MiB: %s)\n",
        memory.pssMiB, memory.processes, MemoryGoalMiB, memory.pssMiB <= MemoryGoalMiB ? "met" : "missed");
    return 0;
}

} // namespace kalmoro

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kalmoro::platform::PrepareProcess();
    QApplication application(argc, argv);
    return kalmoro::RunBrowserBench();
}

#include "bench_browser.moc"
