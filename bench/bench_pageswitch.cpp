// What a page switch costs on the real window: a click on a navigation entry, the page turned to
// and the window repainted, over the calculator pages in turn. Every switch paints a page the
// previous switch did not show, so the pictures of each page and the window's skin beneath it are
// drawn every time.

#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "pages/copperpage.h"
#include "pages/drainpipepage.h"
#include "pages/pressurepage.h"
#include "pages/refrigerantpage.h"
#include "pages/ventpage.h"
#include "shelltesting.h"
#include "statistics.h"

using namespace kalmoro;
using bench::Median;
using bench::Percentile;
using testing::ShowProgramWindow;

namespace {

constexpr int WarmUp = 20;
constexpr int Samples = 400;

// The pages that show no browser: the engine's start would swamp the figure.
constexpr std::u16string_view Entries[] {kRefrigerantUnit.entry->button, kCopperUnit.entry->button,
    kDrainPipeUnit.entry->button, kVentUnit.entry->button, kPressureUnit.entry->button};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::unique_ptr<MainWindow> window = ShowProgramWindow();
    if (!window) {
        std::fprintf(stderr, "the main window could not be built or shown\n");
        return 1;
    }
    std::vector<QWidget *> entries;
    for (const std::u16string_view entry : Entries)
        entries.push_back(window->control(QString::fromUtf16(entry.data(), qsizetype(entry.size()))));

    std::vector<double> switchMicros;
    switchMicros.reserve(Samples);
    QElapsedTimer timer;
    for (int i = 0; i < WarmUp + Samples; ++i) {
        QWidget *entry = entries[std::size_t(i) % entries.size()];
        timer.start();
        QTest::mouseClick(entry, Qt::LeftButton, Qt::NoModifier, entry->rect().center());
        QApplication::processEvents();
        if (i >= WarmUp)
            switchMicros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::printf("page switch by navigation click, %d samples over %zu pages, offscreen window\n", Samples,
        std::size(Entries));
    std::printf("median %.1f us, p10 %.1f us, p90 %.1f us\n", Median(switchMicros),
        Percentile(switchMicros, 0.1), Percentile(switchMicros, 0.9));
    return 0;
}
