// What one keystroke in the futures price field costs on the real window: the key event, the 13 market
// prices read, computed, written and repainted. Measured against the UI work alone, the same 13 texts
// set with QLineEdit::setText and repainted, in the same run; samples of the two alternate so that
// load from elsewhere on the machine falls on both alike. The handler's own time is reported too: the
// futures text set directly, which runs the refresh inside setText, with the repaint left out.
//
// Then 10 MiB pasted into the futures field and a keystroke in the box it filled, against a short paste
// and the same keystroke in the same box: wall time, which bounds the GUI thread's time.

#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "fonts.h"
#include "startprogram.h"
#include "statistics.h"

using namespace kalmoro;
using bench::Median;
using bench::Percentile;

namespace {

constexpr int WarmUp = 200;
constexpr int Samples = 4000;
constexpr int LongSamples = 20;

// Counts the paint events of the price boxes, to be sure every sample repaints all 13.
class PaintCounter final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setFont(UiFont());

    std::unique_ptr<MainWindow> window = CreateMainWindow().window;
    if (!window) {
        std::fprintf(stderr, "the main window could not be built\n");
        return 1;
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }
    auto *navigation = window->control(QStringLiteral("铜管价格按钮"));
    QTest::mouseClick(navigation, Qt::LeftButton, Qt::NoModifier, navigation->rect().center());

    auto *futures = window->control<QLineEdit>(QStringLiteral("编辑框0"));
    std::vector<QLineEdit *> priceBoxes;
    PaintCounter paints;
    for (int row = 0; row < 13; ++row) {
        priceBoxes.push_back(window->control<QLineEdit>(QStringLiteral("编辑框%1").arg(2 * row + 2)));
        priceBoxes.back()->installEventFilter(&paints);
    }
    // The baseline writes the texts of another futures price, so that its writes, like the
    // keystroke's, always change what the boxes show.
    QTest::keyClicks(futures, "5000");
    QStringList baselineTexts;
    for (QLineEdit *box : priceBoxes)
        baselineTexts << box->text();
    QTest::keyClick(futures, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(futures, "6000");
    QApplication::processEvents();

    // A digit makes 60000 of 6000 and a backspace takes it away again: both refresh all 13 rows.
    bool longPrice = false;
    auto keystroke = [&] {
        if (longPrice)
            QTest::keyClick(futures, Qt::Key_Backspace);
        else
            QTest::keyClick(futures, '0');
        longPrice = !longPrice;
        QApplication::processEvents();
    };
    auto baseline = [&] {
        for (std::size_t row = 0; row < priceBoxes.size(); ++row)
            priceBoxes[row]->setText(baselineTexts[qsizetype(row)]);
        QApplication::processEvents();
    };

    std::vector<double> keystrokeMicros;
    std::vector<double> baselineMicros;
    std::vector<double> handlerMicros;
    keystrokeMicros.reserve(Samples);
    baselineMicros.reserve(Samples);
    handlerMicros.reserve(Samples);
    QElapsedTimer timer;
    int keystrokePaints = 0;
    for (int i = 0; i < WarmUp + Samples; ++i) {
        paints.count = 0;
        timer.start();
        keystroke();
        const double keystrokeTime = double(timer.nsecsElapsed()) / 1000.0;
        keystrokePaints += paints.count;
        if (paints.count < 13 || futures->text() != (longPrice ? u"60000"_qs : u"6000"_qs)
            || priceBoxes.front()->text() != (longPrice ? u"6.8"_qs : u"0.68"_qs)) {
            std::fprintf(stderr, "a keystroke did not refresh and repaint the 13 prices\n");
            return 1;
        }

        paints.count = 0;
        timer.start();
        baseline();
        const double baselineTime = double(timer.nsecsElapsed()) / 1000.0;
        if (paints.count < 13) {
            std::fprintf(stderr, "the baseline did not repaint the 13 prices\n");
            return 1;
        }
        timer.start();
        futures->setText(longPrice ? u"6000"_qs : u"60000"_qs);
        const double handlerTime = double(timer.nsecsElapsed()) / 1000.0;
        // The next keystroke goes on from the text set here; its repaint is not the keystroke's.
        longPrice = !longPrice;
        QApplication::processEvents();
        if (i >= WarmUp) {
            keystrokeMicros.push_back(keystrokeTime);
            baselineMicros.push_back(baselineTime);
            handlerMicros.push_back(handlerTime);
        }
    }

    const double keystrokeMedian = Median(keystrokeMicros);
    const double baselineMedian = Median(baselineMicros);
    std::printf("futures price keystroke, %d samples each, offscreen window\n", Samples);
    std::printf("%-44s %10s %10s %10s\n", "", "median us", "p10 us", "p90 us");
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "keystroke: key, 13 rows refreshed, repaint", keystrokeMedian,
        Percentile(keystrokeMicros, 0.1), Percentile(keystrokeMicros, 0.9));
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "baseline: 13 x setText, repaint", baselineMedian,
        Percentile(baselineMicros, 0.1), Percentile(baselineMicros, 0.9));
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "handler: futures text set, 13 rows refreshed",
        Median(handlerMicros), Percentile(handlerMicros, 0.1), Percentile(handlerMicros, 0.9));
    std::printf("ratio keystroke / baseline (medians): %.2f\n", keystrokeMedian / baselineMedian);
    std::printf("price box paint events per keystroke: %.1f\n", double(keystrokePaints) / (WarmUp + Samples));

    // 10 MiB pasted over the futures price, then a keystroke in the box it filled, against the same
    // paste and keystroke in the same box emptied first. A decimal point first, so that the long
    // text is still a price: 6000.000… The clipboard is filled before the timer starts.
    const QString tenMebibytes = QStringLiteral("6000.") + QString((10 << 20) - 5, QLatin1Char('0'));
    auto timed = [&](const auto &work) {
        timer.start();
        work();
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1000.0;
    };
    auto paste = [&](const QString &text, bool empty) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(futures, Qt::Key_A, Qt::ControlModifier);
        if (empty)
            QTest::keyClick(futures, Qt::Key_Delete);
        QApplication::processEvents();
        return timed([&] { QTest::keyClick(futures, Qt::Key_V, Qt::ControlModifier); });
    };
    // The first digit deleted makes the price 0 in both boxes, so both refresh all 13 rows.
    auto deleteFirst = [&] {
        QTest::keyClick(futures, Qt::Key_Home);
        return timed([&] { QTest::keyClick(futures, Qt::Key_Delete); });
    };
    std::vector<double> fullPasteMicros;
    std::vector<double> emptyPasteMicros;
    std::vector<double> fullKeyMicros;
    std::vector<double> emptyKeyMicros;
    qsizetype fullLength = 0;
    for (int i = 0; i < 2 + LongSamples; ++i) {
        const double fullPaste = paste(tenMebibytes, false);
        fullLength = futures->text().size();
        const double fullKey = deleteFirst();
        const double emptyPaste = paste(QStringLiteral("6000"), true);
        const double emptyKey = deleteFirst();
        if (fullLength >= tenMebibytes.size() || priceBoxes.front()->text() != u"0"_qs) {
            std::fprintf(stderr, "the pasted text was not cut or a keystroke did not refresh the prices\n");
            return 1;
        }
        if (i >= 2) {
            fullPasteMicros.push_back(fullPaste);
            emptyPasteMicros.push_back(emptyPaste);
            fullKeyMicros.push_back(fullKey);
            emptyKeyMicros.push_back(emptyKey);
        }
    }
    std::printf("\n10 MiB pasted into the futures price (%lld characters kept), %d samples each\n",
        static_cast<long long>(fullLength), LongSamples);
    std::printf("%-44s %10s %10s %10s\n", "", "median us", "p90 us", "max us");
    const auto row = [](const char *what, const std::vector<double> &micros) {
        std::printf("%-44s %10.1f %10.1f %10.1f\n", what, Median(micros), Percentile(micros, 0.9),
            Percentile(micros, 1.0));
    };
    row("paste of 10 MiB over the price", fullPasteMicros);
    row("baseline: paste of 6000 into the empty box", emptyPasteMicros);
    row("keystroke in the full box", fullKeyMicros);
    row("baseline: keystroke in 6000", emptyKeyMicros);
    std::printf("ratio paste 10 MiB / paste 6000 (medians): %.2f\n",
        Median(fullPasteMicros) / Median(emptyPasteMicros));
    std::printf(
        "ratio keystroke full / short (medians): %.2f\n", Median(fullKeyMicros) / Median(emptyKeyMicros));
    return 0;
}
