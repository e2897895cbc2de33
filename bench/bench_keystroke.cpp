// What one keystroke in the futures price field costs on the real window: the key event, the 13 market
// prices read, computed, written and repainted. Measured against the UI work alone, the same 13 texts
// set with QLineEdit::setText and repainted, in the same run; samples of the two alternate so that
// load from elsewhere on the machine falls on both alike. The handler's own time is reported too: the
// futures text set directly, which runs the refresh inside setText, with the repaint left out.
//
// Then the same with 1 MiB in the futures field, against the same keystroke in an edit box that
// holds the same text and that no handler listens to: the difference is the handlers' time.

#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "fonts.h"
#include "startprogram.h"
#include "statistics.h"
#include "widgets/editbox.h"

using namespace kalmoro;
using bench::Median;
using bench::Percentile;

namespace {

constexpr int WarmUp = 200;
constexpr int Samples = 4000;
constexpr int LongSamples = 40;

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

    // A decimal point first, so that the long text is still a price: 6000.000…
    const QString mebibyte = QStringLiteral("6000.") + QString((1 << 20) - 5, QLatin1Char('0'));
    futures->setText(mebibyte);
    EditBox idle;
    idle.resize(futures->size());
    idle.setText(mebibyte);
    idle.show();
    QApplication::processEvents();
    auto longKeystroke = [](QLineEdit *box, bool back) {
        QTest::keyClick(box, back ? Qt::Key_Backspace : Qt::Key_0);
        QApplication::processEvents();
    };
    std::vector<double> longMicros;
    std::vector<double> idleMicros;
    for (int i = 0; i < 2 + LongSamples; ++i) {
        const bool back = i % 2 == 1;
        timer.start();
        longKeystroke(futures, back);
        const double longTime = double(timer.nsecsElapsed()) / 1000.0;
        timer.start();
        longKeystroke(&idle, back);
        const double idleTime = double(timer.nsecsElapsed()) / 1000.0;
        if (futures->text().size() != idle.text().size() || priceBoxes.front()->text() != u"0.68"_qs) {
            std::fprintf(stderr, "a keystroke in the 1 MiB futures price did not refresh the prices\n");
            return 1;
        }
        if (i >= 2) {
            longMicros.push_back(longTime);
            idleMicros.push_back(idleTime);
        }
    }
    const double longMedian = Median(longMicros);
    const double idleMedian = Median(idleMicros);
    std::printf("\n1 MiB in the futures price, %d samples each\n", LongSamples);
    std::printf("%-44s %10s %10s %10s\n", "", "median us", "p10 us", "p90 us");
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "keystroke: key, 13 rows refreshed, repaint", longMedian,
        Percentile(longMicros, 0.1), Percentile(longMicros, 0.9));
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "baseline: same key, box without handlers", idleMedian,
        Percentile(idleMicros, 0.1), Percentile(idleMicros, 0.9));
    std::printf("ratio keystroke / baseline (medians): %.2f\n", longMedian / idleMedian);
    std::printf("handler time (median difference): %.1f ms\n", (longMedian - idleMedian) / 1000.0);
    return 0;
}
