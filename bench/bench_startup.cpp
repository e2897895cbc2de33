// How long the program takes from process start until its window is mapped, and until the first
// painted frame of it, and how much memory it holds then, against a bare frameless Qt Widgets
// window of the same size. Both are measured by starting this program again: once as the bare
// window, once as Kalmoro's window built the way the program builds it. Runs of the two alternate,
// so that load from elsewhere on the machine falls on both alike; the figures are medians. Where
// valgrind is installed, the instructions each executes up to the map and up to its first frame
// are counted too, a figure that machine load does not move.
//
// Usage: bench_startup [runs]      (default 7 of each, after one unmeasured run of each)
// Measured on the offscreen platform, and on the X display too when DISPLAY is set
// (xvfb-run -a bench_startup).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "platform.h"
#include "processtree.h"
#include "startprogram.h"
#include "statistics.h"

using namespace kalmoro;
using bench::Median;

namespace {

constexpr int DefaultRuns = 7;
constexpr int ChildTimeoutMs = 600'000;
constexpr double TimeGoal = 1.1;
constexpr double MemoryGoalMiB = 12.0;

// Steady clock in nanoseconds; on Linux it is CLOCK_MONOTONIC, the same in every process.
qint64 NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// How far a child runs: to the first frame, or only until its window is mapped (for counting the
// instructions up to there).
enum class Until { FirstFrame, Map };

// Notes when the window is mapped: the window system's first expose event for it, which Qt
// receives once the window is on the screen and before anything is painted. Reports once the
// window's first paint has been flushed: the zero timer posted from the first paint event runs
// only after the whole repaint pass, children and flush included.
class FirstFrameProbe final : public QObject
{
public:
    FirstFrameProbe(QWidget *window, Until until)
        : m_window(window)
        , m_until(until)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_mappedAt && watched == m_window->windowHandle()) {
            m_mappedAt = NowNs();
            // Ends here, so that counted instructions stop at the map.
            if (m_until == Until::Map)
                std::_Exit(0);
        }
        if (event->type() == QEvent::Paint && watched == m_window && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] {
                const qint64 at = NowNs();
                std::printf("mapped-ns %lld first-frame-ns %lld pss-kib %lld\n",
                    static_cast<long long>(m_mappedAt), static_cast<long long>(at),
                    static_cast<long long>(bench::TreePssKiB(QStringLiteral("self"))));
                std::fflush(stdout);
                // Ends here, so that counted instructions stop at the first frame too.
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    Until m_until;
    qint64 m_mappedAt = 0;
    bool m_painted = false;
};

int RunBare(int argc, char *argv[], Until until)
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(1080, 695);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(CentredPosition(screen->geometry().size(), window.size()));
    FirstFrameProbe probe(&window, until);
    window.show();
    return QApplication::exec();
}

// The start-up of the program up to the message loop, as it runs it.
int RunKalmoro(int argc, char *argv[], Until until)
{
    platform::PrepareProcess();
    QApplication application(argc, argv);
    SetUpApplication();
    std::unique_ptr<MainWindow> window = CreateMainWindow().window;
    if (!window)
        return 1;
    FirstFrameProbe probe(window.get(), until);
    ShowMainWindow(*window);
    return QApplication::exec();
}

struct Sample {
    double mapMs = 0;
    double frameMs = 0;
    double pssMiB = 0;
};

// Runs this program again with arguments (with valgrind in front when tool is given) and returns
// what it printed, or nothing when it failed.
std::optional<QByteArray> RunChild(
    const QStringList &arguments, const QProcessEnvironment &environment, const QStringList &tool = {})
{
    QProcess child;
    child.setProcessEnvironment(environment);
    if (tool.isEmpty()) {
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(arguments);
    } else {
        child.setProgram(tool.first());
        child.setArguments(tool.mid(1) + QStringList {QCoreApplication::applicationFilePath()} + arguments);
    }
    child.start();
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        std::fprintf(stderr, "%s run failed:\n%s\n", qPrintable(arguments.join(u' ')),
            child.readAllStandardError().constData());
        return std::nullopt;
    }
    return child.readAllStandardOutput();
}

std::optional<Sample> Measure(const QString &mode, const QProcessEnvironment &environment)
{
    const qint64 started = NowNs();
    const std::optional<QByteArray> output = RunChild({mode}, environment);
    if (!output)
        return std::nullopt;
    const QList<QByteArray> words = output->simplified().split(' ');
    if (words.size() != 6 || words[0] != "mapped-ns" || words[2] != "first-frame-ns" || words[4] != "pss-kib"
        || words[1].toLongLong() == 0) {
        std::fprintf(stderr, "%s run printed no map and first frame\n", qPrintable(mode));
        return std::nullopt;
    }
    const auto sinceStart
        = [started](const QByteArray &ns) { return double(ns.toLongLong() - started) / 1e6; };
    return Sample {sinceStart(words[1]), sinceStart(words[3]), double(words[5].toLongLong()) / 1024.0};
}

// Instructions executed from process start to the map or the first frame, as callgrind counts them.
std::optional<qint64> CountInstructions(
    const QString &mode, Until until, const QString &valgrind, const QProcessEnvironment &environment)
{
    QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("callgrind.out"));
    QStringList arguments {mode};
    if (until == Until::Map)
        arguments.append(QStringLiteral("--until-map"));
    if (!RunChild(arguments, environment,
            {valgrind, QStringLiteral("--tool=callgrind"),
                QStringLiteral("--callgrind-out-file=") + profile}))
        return std::nullopt;
    QFile file(profile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("summary:") || line.startsWith("totals:"))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return std::nullopt;
}

const char *Verdict(bool met)
{
    return met ? "met" : "missed";
}

bool MeasurePlatform(const QString &platform, int runs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    std::printf("\nplatform %s, %d runs of each after one unmeasured run\n", qPrintable(platform), runs);

    std::vector<double> bareMap, kalmoroMap, bareFrame, kalmoroFrame, barePss, kalmoroPss;
    for (int run = -1; run < runs; ++run) {
        const std::optional<Sample> bare = Measure(QStringLiteral("--bare"), environment);
        const std::optional<Sample> kalmoro = Measure(QStringLiteral("--kalmoro"), environment);
        if (!bare || !kalmoro)
            return false;
        if (run < 0)
            continue;
        bareMap.push_back(bare->mapMs);
        kalmoroMap.push_back(kalmoro->mapMs);
        bareFrame.push_back(bare->frameMs);
        kalmoroFrame.push_back(kalmoro->frameMs);
        barePss.push_back(bare->pssMiB);
        kalmoroPss.push_back(kalmoro->pssMiB);
        std::printf(
            "run %d: bare map %.1f ms frame %.1f ms %.1f MiB, kalmoro map %.1f ms frame %.1f ms %.1f MiB\n",
            run + 1, bare->mapMs, bare->frameMs, bare->pssMiB, kalmoro->mapMs, kalmoro->frameMs,
            kalmoro->pssMiB);
    }

    const double mapRatio = Median(kalmoroMap) / Median(bareMap);
    std::printf("window mapped, median: bare %.1f ms, kalmoro %.1f ms, ratio %.2fx (goal %.1fx: %s)\n",
        Median(bareMap), Median(kalmoroMap), mapRatio, TimeGoal, Verdict(mapRatio <= TimeGoal));
    std::printf("first frame, median: bare %.1f ms, kalmoro %.1f ms, ratio %.2fx\n", Median(bareFrame),
        Median(kalmoroFrame), Median(kalmoroFrame) / Median(bareFrame));
    const double memoryMiB = Median(kalmoroPss) - Median(barePss);
    std::printf("PSS at first frame, median: bare %.1f MiB, kalmoro %.1f MiB, difference %.1f MiB (goal %.0f "
                "MiB: %s)\n",
        Median(barePss), Median(kalmoroPss), memoryMiB, MemoryGoalMiB, Verdict(memoryMiB <= MemoryGoalMiB));

    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::printf("instructions: not counted, valgrind is not installed\n");
        return true;
    }
    for (const auto &[until, what] :
        {std::pair {Until::Map, "map"}, std::pair {Until::FirstFrame, "first frame"}}) {
        const std::optional<qint64> bareCount
            = CountInstructions(QStringLiteral("--bare"), until, valgrind, environment);
        const std::optional<qint64> kalmoroCount
            = CountInstructions(QStringLiteral("--kalmoro"), until, valgrind, environment);
        if (!bareCount || !kalmoroCount)
            return false;
        std::printf("instructions to %s (callgrind): bare %.1f M, kalmoro %.1f M, ratio %.2fx\n", what,
            double(*bareCount) / 1e6, double(*kalmoroCount) / 1e6,
            double(*kalmoroCount) / double(*bareCount));
    }
    return true;
}

int Drive(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : DefaultRuns;
    QStringList platforms {QStringLiteral("offscreen")};
    if (qEnvironmentVariableIsSet("DISPLAY"))
        platforms.prepend(QStringLiteral("xcb"));
    for (const QString &platform : platforms) {
        if (!MeasurePlatform(platform, runs))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The children take no Qt options: only the program name reaches QApplication.
    int childArgc = 1;
    const Until until = argc > 2 && qstrcmp(argv[2], "--until-map") == 0 ? Until::Map : Until::FirstFrame;
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return RunBare(childArgc, argv, until);
    if (argc > 1 && qstrcmp(argv[1], "--kalmoro") == 0)
        return RunKalmoro(childArgc, argv, until);
    return Drive(argc, argv);
}
