// Kalmoro as the program starts it, with the one click a Wayland compositor without input
// devices cannot deliver: once the window is on screen, the copper pipe entry is clicked. Ends
// when the quotation browser has finished its first page, whether it loaded or failed.

#include <cstdio>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "platform.h"
#include "startprogram.h"
#include "widgets/browserhost.h"

using namespace kalmoro;

namespace {

constexpr int kWaitMs = 60'000;
constexpr QPoint kCopperEntry(105, 227);

int failWith(const char *reason)
{
    std::fprintf(stderr, "%s\n", reason);
    return 1;
}

} // namespace

int main(int, char *argv[])
{
    platform::PrepareProcess();
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    SetUpApplication();
    std::unique_ptr<MainWindow> window = CreateMainWindow().window;
    if (!window)
        return failWith("the main window could not be built");
    ShowMainWindow(*window);
    if (!QTest::qWaitForWindowExposed(window.get(), kWaitMs))
        return failWith("the main window was never exposed");

    // The click reaches the window at once, and the page's browsers make their views as it turns.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, kCopperEntry);
    BrowserHost *browser = nullptr;
    for (BrowserHost *host : window->findChildren<BrowserHost *>()) {
        if (host->isVisible() && host->view())
            browser = host;
    }
    if (!browser)
        return failWith("no browser view appeared on the copper pipe page");
    // The view type lives in the plugin; its signal is reached by name.
    QSignalSpy finished(browser->view(), SIGNAL(loadFinished(bool)));
    if (!finished.wait(kWaitMs))
        return failWith("the quotation browser never finished its page");
    return 0;
}
