#include "platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

#include <unistd.h>

namespace kalmoro::platform {

namespace {
bool processPrepared = false;
} // namespace

void PrepareProcess()
{
    processPrepared = true;
    // Chromium's sandbox refuses to start for root; the engine then runs without it, for this
    // process only.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

bool IsProcessPrepared()
{
    return processPrepared;
}

QString ProgramDirectory()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
}

bool CanPlaceOwnWindow()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void OpenInDefaultBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace kalmoro::platform
