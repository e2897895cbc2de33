// How long the program takes from process start until its window is mapped and until its first
// frame is drawn, and how much memory it holds 1.5 s after start, against the cheapest Qt Widgets
// window of its size that shows Chinese text and takes input (bench_startup_baseline). Both are
// started unchanged with a probe loaded into them (bench_startup_probe). Runs of the two
// alternate, so that load from elsewhere on the machine falls on both alike; the figures are
// medians, and the machine's load average is printed before and after. Where valgrind is installed,
// the instructions each executes up to the map and up to its first frame are counted too, on the
// main thread and in all threads: figures that machine load does not move.
//
// Usage: bench_startup [runs]      (default 7 of each, after one unmeasured run of each)
// Measured on the offscreen platform, and on the X display too when DISPLAY is set
// (xvfb-run -a bench_startup).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "statistics.h"

using kalmoro::bench::Median;

namespace {

constexpr int DefaultRuns = 7;
constexpr int ChildTimeoutMs = 600'000;
// Goals against the baseline window: to the map and to the first frame, which is what the user sees.
constexpr double TimeGoal = 0.8;
constexpr double InstructionGoal = 0.5;
// The memory goal is 8 MB, decimal: 8,000,000 bytes.
constexpr double MemoryGoalMiB = 8'000'000.0 / (1 << 20);

// Steady clock in nanoseconds; on Linux it is CLOCK_MONOTONIC, the same in every process.
qint64 NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Program {
    const char *name;
    QString path;
};

struct Sample {
    double mapMs = 0;
    double frameMs = 0;
    double pssMiB = 0;
};

struct Instructions {
    qint64 mainThread = 0;
    qint64 allThreads = 0;
};

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll().split(' ').mid(0, 3).join(' '));
}

// Starts program with the probe loaded (with valgrind in front when tool is given), stopping where
// until says, and returns what it printed, or nothing when it failed.
std::optional<QByteArray> RunChild(const Program &program, const QByteArray &until,
    QProcessEnvironment environment, const QStringList &tool = {})
{
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KALMORO_BENCH_PROBE));
    environment.insert(QStringLiteral("BENCH_UNTIL"), QString::fromLatin1(until));
    environment.insert(QStringLiteral("BENCH_STARTED_NS"), QString::number(NowNs()));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProgram(tool.isEmpty() ? program.path : tool.first());
    child.setArguments(tool.isEmpty() ? QStringList() : tool.mid(1) + QStringList {program.path});
    child.start();
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        std::fprintf(stderr, "%s run failed:\n%s\n", program.name, child.readAllStandardError().constData());
        return std::nullopt;
    }
    return child.readAllStandardOutput();
}

std::optional<Sample> Measure(const Program &program, const QProcessEnvironment &environment)
{
    const qint64 started = NowNs();
    const std::optional<QByteArray> output = RunChild(program, "memory", environment);
    if (!output)
        return std::nullopt;
    const QList<QByteArray> words = output->simplified().split(' ');
    if (words.size() != 6 || words[0] != "mapped-ns" || words[2] != "first-frame-ns" || words[4] != "pss-kib"
        || words[1].toLongLong() == 0) {
        std::fprintf(stderr, "%s run printed no map and first frame\n", program.name);
        return std::nullopt;
    }
    const auto sinceStart
        = [started](const QByteArray &ns) { return double(ns.toLongLong() - started) / 1e6; };
    return Sample {sinceStart(words[1]), sinceStart(words[3]), double(words[5].toLongLong()) / 1024.0};
}

qint64 TotalInstructions(const QString &profile)
{
    QFile file(profile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("summary:") || line.startsWith("totals:"))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Instructions executed from process start to the map or the first frame, as callgrind counts
// them; it writes one profile a thread, the main thread's first.
std::optional<Instructions> CountInstructions(const Program &program, const QByteArray &until,
    const QString &valgrind, const QProcessEnvironment &environment)
{
    QTemporaryDir folder;
    if (!RunChild(program, until, environment,
            {valgrind, QStringLiteral("--tool=callgrind"), QStringLiteral("--separate-threads=yes"),
                QStringLiteral("--callgrind-out-file=") + folder.filePath(QStringLiteral("profile"))}))
        return std::nullopt;
    Instructions counted;
    const QStringList profiles
        = QDir(folder.path()).entryList({QStringLiteral("profile-*")}, QDir::Files, QDir::Name);
    for (const QString &profile : profiles) {
        const qint64 count = TotalInstructions(folder.filePath(profile));
        if (profile == profiles.first())
            counted.mainThread = count;
        counted.allThreads += count;
    }
    if (counted.mainThread == 0)
        return std::nullopt;
    return counted;
}

const char *Verdict(bool met)
{
    return met ? "met" : "missed";
}

bool MeasurePlatform(const QString &platform, int runs)
{
    const Program baseline {"baseline", QStringLiteral(KALMORO_BENCH_BASELINE)};
    const Program kalmoro {"kalmoro", QStringLiteral(KALMORO_PROGRAM)};
    // The program's private folder goes where the runs end it too early to remove it itself.
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    std::printf("\nplatform %s, %d runs of each after one unmeasured run, load average %s\n",
        qPrintable(platform), runs, qPrintable(LoadAverage()));

    std::vector<double> baseMap, kalmoroMap, baseFrame, kalmoroFrame, basePss, kalmoroPss;
    for (int run = -1; run < runs; ++run) {
        const std::optional<Sample> base = Measure(baseline, environment);
        const std::optional<Sample> ours = Measure(kalmoro, environment);
        if (!base || !ours)
            return false;
        if (run < 0)
            continue;
        baseMap.push_back(base->mapMs);
        kalmoroMap.push_back(ours->mapMs);
        baseFrame.push_back(base->frameMs);
        kalmoroFrame.push_back(ours->frameMs);
        basePss.push_back(base->pssMiB);
        kalmoroPss.push_back(ours->pssMiB);
        std::printf("run %d: baseline map %.1f ms frame %.1f ms %.1f MiB, kalmoro map %.1f ms frame %.1f ms "
                    "%.1f MiB\n",
            run + 1, base->mapMs, base->frameMs, base->pssMiB, ours->mapMs, ours->frameMs, ours->pssMiB);
    }
    std::printf("load average after the runs %s\n", qPrintable(LoadAverage()));

    const double mapRatio = Median(kalmoroMap) / Median(baseMap);
    std::printf("window mapped, median: baseline %.1f ms, kalmoro %.1f ms, ratio %.2fx (goal %.1fx: %s)\n",
        Median(baseMap), Median(kalmoroMap), mapRatio, TimeGoal, Verdict(mapRatio <= TimeGoal));
    const double frameRatio = Median(kalmoroFrame) / Median(baseFrame);
    std::printf("first frame, median: baseline %.1f ms, kalmoro %.1f ms, ratio %.2fx (goal %.1fx: %s)\n",
        Median(baseFrame), Median(kalmoroFrame), frameRatio, TimeGoal, Verdict(frameRatio <= TimeGoal));
    const double memoryMiB = Median(kalmoroPss) - Median(basePss);
    std::printf("PSS 1.5 s after start, median: baseline %.1f MiB, kalmoro %.1f MiB, difference %.1f MiB "
                "(goal %.2f MiB: %s)\n",
        Median(basePss), Median(kalmoroPss), memoryMiB, MemoryGoalMiB, Verdict(memoryMiB <= MemoryGoalMiB));

    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::printf("instructions: not counted, valgrind is not installed\n");
        return true;
    }
    for (const auto &[until, what] : {std::pair {"map", "map"}, std::pair {"frame", "first frame"}}) {
        const std::optional<Instructions> base = CountInstructions(baseline, until, valgrind, environment);
        const std::optional<Instructions> ours = CountInstructions(kalmoro, until, valgrind, environment);
        if (!base || !ours)
            return false;
        const double mainRatio = double(ours->mainThread) / double(base->mainThread);
        std::printf(
            "instructions to %s (callgrind), main thread: baseline %.1f M, kalmoro %.1f M, ratio %.2fx", what,
            double(base->mainThread) / 1e6, double(ours->mainThread) / 1e6, mainRatio);
        if (qstrcmp(until, "map") == 0)
            std::printf(" (goal %.1fx: %s)", InstructionGoal, Verdict(mainRatio <= InstructionGoal));
        std::printf("; all threads: baseline %.1f M, kalmoro %.1f M, ratio %.2fx\n",
            double(base->allThreads) / 1e6, double(ours->allThreads) / 1e6,
            double(ours->allThreads) / double(base->allThreads));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
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
