// What a job costs as it grows: 10, 100, 1,000 and 10,000 lines opened, saved, copied, exported as
// PDF and as pictures, a line added and moved, a cell edited to the totals shown (and that cost at
// 10,000 lines against 10), in the real job window, and a file of 9 M characters of notes in one line
// refused. For each output (save, copy, PDF, pictures) it also gives the longest time the window's event
// loop went unanswered, the first PDF's making of the text layer's font copies included. The
// 10,000-line PDF export is set against a spreadsheet's headless PDF of the same lines as CSV, its own
// start-up included, in alternating runs; without a spreadsheet, against the 1,000-line export × 10 (linear).

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "jobfiles.h"
#include "jobwindow.h"
#include "services.h"
#include "statistics.h"

using namespace kalmoro;
using bench::Median;

namespace {

constexpr int LineCounts[] = {10, 100, 1'000, 10'000};
constexpr int Rounds = 3; // of each measure, the median reported
constexpr int StallProbe = 1; // ms between the probe's ticks
constexpr int EditsPerRound = 25; // cell edits timed in each round

Job jobOf(int lines)
{
    Job job;
    job.customer.name = QStringLiteral("王先生");
    job.dealer.company = QStringLiteral("恒温空调工程");
    job.date = QDate(2026, 12, 7);
    for (int i = 1; i <= lines; ++i)
        job.lines.append({QStringLiteral("Φ6.35 铜管 %1").arg(i), 1'500, QStringLiteral("米"), 8'160'000,
            JobSource::Copper});
    return job;
}

QAction *action(QWidget &window, const QString &text)
{
    for (QAction *candidate : window.findChildren<QAction *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no action %s", qPrintable(text));
}

struct Measure {
    double millis = 0;
    double stallMillis = 0; // the longest the event loop went unanswered while it ran
};

// Runs work once, timing it and the longest gap between the ticks of a timer that runs meanwhile.
Measure measure(const std::function<void()> &work)
{
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(StallProbe);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() - lastTick);
        lastTick = clock.nsecsElapsed();
    });
    probe.start();
    clock.start();
    work();
    const qint64 elapsed = clock.nsecsElapsed();
    longest = std::max(longest, elapsed - lastTick);
    return {double(elapsed) / 1e6, double(longest) / 1e6};
}

Measure medianOf(const std::vector<Measure> &runs)
{
    std::vector<double> millis;
    std::vector<double> stalls;
    for (const Measure &run : runs) {
        millis.push_back(run.millis);
        stalls.push_back(run.stallMillis);
    }
    return {Median(millis), *std::max_element(stalls.begin(), stalls.end())};
}

qint64 largestFile(const QString &folder, const QString &pattern)
{
    qint64 largest = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList({pattern}, QDir::Files))
        largest = std::max(largest, file.size());
    return largest;
}

// The job as CSV, as a spreadsheet takes it.
void writeCsv(const Job &job, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("序号,项目,数量,单位,单价,金额\n");
    for (qsizetype i = 0; i < job.lines.size(); ++i) {
        const JobLine &line = job.lines[i];
        file.write(QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                       .arg(i + 1)
                       .arg(line.description, FormatQuantity(line.quantity), line.unit,
                           FormatUnitPrice(line.unitPrice), FormatYuan(LineAmount(line)))
                       .toUtf8());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir folder;

    QString target; // where the next save dialog points
    Services services;
    services.askSavePath = [&target](QWidget *, const SaveRequest &) { return target; };
    services.showMessage
        = [](const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); };
    services.askChoice
        = [](QWidget *, const QString &, const QStringList &choices) { return choices.first(); };

    std::printf("job of N lines in the job window, %d runs each, median ms; stall: the longest the event "
                "loop went unanswered, ms\n",
        Rounds);
    std::printf("%7s %8s %8s %8s %8s %8s %8s %8s %8s %8s %8s %8s %8s %10s\n", "lines", "open", "save",
        "stall", "copy", "stall", "pdf", "stall", "picture", "stall", "add", "move", "edit", "largest png");
    double pdfAt1000 = 0;
    std::vector<double> edits; // the median cell edit of each size, in order
    for (const int lines : LineCounts) {
        const Job job = jobOf(lines);
        const QString file = folder.filePath(QStringLiteral("job-%1.kalmoro").arg(lines));
        if (const QString failure = WriteJobFile(job, file); !failure.isEmpty())
            qFatal("cannot write the job: %s", qPrintable(failure));
        std::vector<Measure> open, save, copy, pdf, picture, add, move, edit;
        for (int round = 0; round < Rounds; ++round) {
            JobWindow window(services, {});
            window.show();
            open.push_back(measure([&] { window.openFile(file); }));
            target = folder.filePath(QStringLiteral("saved-%1.kalmoro").arg(lines));
            save.push_back(measure([&] { window.saveAs(); }));
            copy.push_back(measure([&] { action(window, QStringLiteral("复制报价单"))->trigger(); }));
            target = folder.filePath(QStringLiteral("job-%1.pdf").arg(lines));
            pdf.push_back(measure([&] { action(window, QStringLiteral("导出 PDF…"))->trigger(); }));
            target = folder.filePath(QStringLiteral("job-%1.png").arg(lines));
            picture.push_back(measure([&] { action(window, QStringLiteral("保存为图片…"))->trigger(); }));
            auto *table = window.findChild<QTableWidget *>();
            table->setCurrentCell(0, 1);
            move.push_back(measure([&] { action(window, QStringLiteral("下移"))->trigger(); }));
            // A unit price typed into a cell, to the totals shown; an edit takes hundredths of a
            // millisecond, so one alone would time the machine's noise.
            for (int typed = 0; typed < EditsPerRound; ++typed) {
                edit.push_back(measure(
                    [&] { table->item(0, 3)->setText(QString::number(round * EditsPerRound + typed + 2)); }));
            }
            if (lines < MaxJobLines)
                add.push_back(measure([&] { action(window, QStringLiteral("添加行"))->trigger(); }));
            window.setWindowModified(false);
            window.close();
        }
        const Measure pdfMedian = medianOf(pdf);
        const Measure pictureMedian = medianOf(picture);
        if (lines == 1'000)
            pdfAt1000 = pdfMedian.millis;
        edits.push_back(medianOf(edit).millis);
        const Measure saveMedian = medianOf(save);
        const Measure copyMedian = medianOf(copy);
        std::printf("%7d %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8s %8.1f %8.2f %8.1f MB\n",
            lines, medianOf(open).millis, saveMedian.millis, saveMedian.stallMillis, copyMedian.millis,
            copyMedian.stallMillis, pdfMedian.millis, pdfMedian.stallMillis, pictureMedian.millis,
            pictureMedian.stallMillis,
            add.empty() ? "refused" : qPrintable(QString::number(medianOf(add).millis, 'f', 1)),
            medianOf(move).millis, edits.back(),
            double(largestFile(folder.path(), QStringLiteral("job-%1*.png").arg(lines))) / 1e6);
        std::fflush(stdout);
    }

    std::printf("cell edit at %d lines / at %d lines: %.2fx\n", LineCounts[std::size(LineCounts) - 1],
        LineCounts[0], edits.back() / edits.front());

    // A file of notes in one unbroken line just under the file limit is refused, not laid out.
    Job notes = jobOf(1);
    notes.notes = QString(9'000'000, u'x');
    const QString notesFile = folder.filePath(QStringLiteral("notes.kalmoro"));
    if (const QString failure = WriteJobFile(notes, notesFile); !failure.isEmpty())
        qFatal("cannot write the job: %s", qPrintable(failure));
    std::vector<Measure> refused;
    for (int round = 0; round < Rounds; ++round) {
        JobWindow window(services, {});
        window.show();
        refused.push_back(measure([&] { window.openFile(notesFile); }));
    }
    std::printf("a job of 9 M characters of notes in one line: refused in %.1f ms, longest stall %.1f ms\n",
        medianOf(refused).millis, medianOf(refused).stallMillis);

    // The spreadsheet against the 10,000-line export, alternating.
    const int lines = LineCounts[std::size(LineCounts) - 1];
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf(
            "no spreadsheet installed (soffice); the %d-line PDF export against the 1,000-line one × 10: "
            "see the table (%.1f ms × 10 = %.1f ms)\n",
            lines, pdfAt1000, pdfAt1000 * 10);
        return 0;
    }
    const QString csv = folder.filePath(QStringLiteral("job.csv"));
    writeCsv(jobOf(lines), csv);
    const QString file = folder.filePath(QStringLiteral("job-%1.kalmoro").arg(lines));
    const QString profile = QUrl::fromLocalFile(folder.filePath(QStringLiteral("profile"))).toString();
    const QStringList convert {QStringLiteral("-env:UserInstallation=") + profile,
        QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
        QStringLiteral("--outdir"), folder.filePath(QStringLiteral("theirs")), csv};
    const auto runSpreadsheet = [&soffice, &convert] {
        QProcess process;
        process.start(soffice, convert);
        if (!process.waitForFinished(120'000) || process.exitCode() != 0)
            qFatal("the spreadsheet failed: %s", process.readAllStandardError().constData());
    };
    // Its profile is made on the first run, as on a user's machine once.
    runSpreadsheet();
    std::vector<double> ours, theirs, ratios;
    for (int round = 0; round < Rounds; ++round) {
        JobWindow window(services, {});
        window.show();
        window.openFile(file);
        target = folder.filePath(QStringLiteral("ours.pdf"));
        ours.push_back(measure([&] { action(window, QStringLiteral("导出 PDF…"))->trigger(); }).millis);
        window.close();
        theirs.push_back(measure(runSpreadsheet).millis);
        ratios.push_back(ours.back() / theirs.back());
    }
    std::printf("%d-line PDF export: ours %.1f ms, spreadsheet %.1f ms (medians); ours / spreadsheet %.2fx "
                "(runs %s)\n",
        lines, Median(ours), Median(theirs), Median(ratios), qPrintable([&ratios] {
            QStringList shown;
            for (const double ratio : ratios)
                shown << QString::number(ratio, 'f', 2);
            return shown.join(QStringLiteral(", "));
        }()));
    return 0;
}
