// How long the program takes from process start to the first painted frame of its window, and
// how much memory it holds then, against a bare frameless Qt Widgets window of the same size.
// Both are measured by starting this program again: once as the bare window, once as Kalmoro's
// window built the way the program builds it. Runs of the two alternate, so that load from
// elsewhere on the machine falls on both alike; the figures are medians.
//
// Usage: bench_startup [runs]      (default 7 of each, after one unmeasured run of each)
// Under DISPLAY the windows are shown on that X display, otherwise on the offscreen platform.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include "platform.h"
#include "startprogram.h"

using namespace kalmoro;

namespace {

constexpr int DefaultRuns = 7;
constexpr int ChildTimeoutMs = 120'000;
constexpr double TimeGoal = 1.3;
constexpr double MemoryGoalMiB = 25.0;

// Steady clock in nanoseconds; on Linux it is CLOCK_MONOTONIC, the same in every process.
qint64 NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 PssKiB(const QString &pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    // Files under /proc report a size of 0, so they are read whole rather than line by line.
    const QList<QByteArray> lines = rollup.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Proportional set size of the process and all its descendants, in KiB.
qint64 TreePssKiB(const QString &pid)
{
    qint64 total = PssKiB(pid);
    const QStringList threads = QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &thread : threads) {
        QFile children(QStringLiteral("/proc/%1/task/%2/children").arg(pid, thread));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> childPids = children.readAll().split(' ');
        for (const QByteArray &child : childPids) {
            if (!child.trimmed().isEmpty())
                total += TreePssKiB(QString::fromLatin1(child.trimmed()));
        }
    }
    return total;
}

// Reports once the window's first paint has been flushed: the zero timer posted from the first
// paint event runs only after the whole repaint pass, children and flush included.
class FirstFrameProbe final : public QObject
{
public:
    explicit FirstFrameProbe(QWidget *window)
        : m_window(window)
    {
        m_window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                const qint64 at = NowNs();
                std::printf("first-frame-ns %lld pss-kib %lld\n", static_cast<long long>(at),
                            static_cast<long long>(TreePssKiB(QStringLiteral("self"))));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

int RunBare(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(1080, 695);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(CentredPosition(screen->geometry().size(), window.size()));
    FirstFrameProbe probe(&window);
    window.show();
    return QApplication::exec();
}

// The start-up of the program up to the message loop, as it runs it.
int RunKalmoro(int argc, char *argv[])
{
    platform::PrepareProcess();
    QApplication application(argc, argv);
    SetUpApplication();
    std::unique_ptr<MainWindow> window = CreateMainWindow().window;
    if (!window)
        return 1;
    FirstFrameProbe probe(window.get());
    window->show();
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    double pssMiB = 0;
};

std::optional<Sample> Measure(const QString &mode, const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({mode});
    const qint64 started = NowNs();
    child.start();
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        std::fprintf(stderr, "%s run failed:\n%s\n", qPrintable(mode), child.readAllStandardError().constData());
        return std::nullopt;
    }
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (words.size() != 4 || words[0] != "first-frame-ns" || words[2] != "pss-kib") {
        std::fprintf(stderr, "%s run printed no first frame\n", qPrintable(mode));
        return std::nullopt;
    }
    return Sample{double(words[1].toLongLong() - started) / 1e6, double(words[3].toLongLong()) / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Drive(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : DefaultRuns;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           environment.contains(QStringLiteral("DISPLAY")) ? QStringLiteral("xcb")
                                                                           : QStringLiteral("offscreen"));
    std::printf("platform %s, %d runs of each after one unmeasured run\n",
                qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"))), runs);

    std::vector<double> bareMs, kalmoroMs, barePss, kalmoroPss;
    for (int run = -1; run < runs; ++run) {
        const std::optional<Sample> bare = Measure(QStringLiteral("--bare"), environment);
        const std::optional<Sample> kalmoro = Measure(QStringLiteral("--kalmoro"), environment);
        if (!bare || !kalmoro)
            return 1;
        if (run < 0)
            continue;
        bareMs.push_back(bare->ms);
        kalmoroMs.push_back(kalmoro->ms);
        barePss.push_back(bare->pssMiB);
        kalmoroPss.push_back(kalmoro->pssMiB);
        std::printf("run %d: bare %.1f ms %.1f MiB, kalmoro %.1f ms %.1f MiB\n", run + 1, bare->ms, bare->pssMiB,
                    kalmoro->ms, kalmoro->pssMiB);
    }

    const double timeRatio = Median(kalmoroMs) / Median(bareMs);
    const double memoryMiB = Median(kalmoroPss) - Median(barePss);
    std::printf("first frame, median: bare %.1f ms, kalmoro %.1f ms, ratio %.2fx (goal %.1fx: %s)\n",
                Median(bareMs), Median(kalmoroMs), timeRatio, TimeGoal, timeRatio <= TimeGoal ? "met" : "missed");
    std::printf("PSS at first frame, median: bare %.1f MiB, kalmoro %.1f MiB, difference %.1f MiB (goal %.0f MiB: %s)\n",
                Median(barePss), Median(kalmoroPss), memoryMiB, MemoryGoalMiB,
                memoryMiB <= MemoryGoalMiB ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The children take no Qt options: only the program name reaches QApplication.
    int childArgc = 1;
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return RunBare(childArgc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--kalmoro") == 0)
        return RunKalmoro(childArgc, argv);
    return Drive(argc, argv);
}
