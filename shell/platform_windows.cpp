#include <chrono>
#include <cstdlib>
#include <thread>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform.h"

namespace kalmoro::platform {

namespace {
bool processPrepared = false;
} // namespace

void PrepareProcess()
{
    // The engine's sandbox runs for every user here; nothing else needs setting in advance.
    processPrepared = true;
}

// Windows ends a program through its window, which closes as Esc closes it.
void QuitOnTerminationSignals() { }

void EnsureProcessEnds(int status)
{
    // A normal end, the browser engine's renderers included, takes well under a second; after this
    // the process is taken to hang.
    constexpr std::chrono::seconds kExitGrace(3);
    std::thread([status] {
        std::this_thread::sleep_for(kExitGrace);
        std::_Exit(status);
    }).detach();
}

// A Windows program has no display connection to lose.
void EndAtOnceOnExitWhileRunning() { }

// Here the engine keeps its files where it always does.
QString BrowserEngineRefusal()
{
    return {};
}

bool IsProcessPrepared()
{
    return processPrepared;
}

void AwaitPreparation() { }

// Threads keep the priority they start with here.
void LowerThreadPriority() { }

QString ProgramDirectory()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
}

bool CanPlaceOwnWindow()
{
    return true;
}

void OpenInDefaultBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString AccountHome()
{
    return QDir::homePath();
}

QString AccountFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    return QFileInfo(folder).isDir() ? folder : QString();
}

// A Windows program has no display connection to lose.
void EndAtOnceOnExitWhileRunning() { }

// Here the engine keeps its files where it always does; the program removes no folder.
bool IsRemovedAtExit(const QString &)
{
    return false;
}

} // namespace kalmoro::platform
