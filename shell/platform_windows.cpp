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

// The Windows desktop is always there for a program the user starts.
QString DisplayRefusal(const QString &)
{
    return {};
}

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

// A dealer's pages go in the user's application-data folder, which no installer touches.
QStringList PageFolders(const QString &programFolder)
{
    QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    if (QDir::isRelativePath(appData))
        appData = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return {QDir::cleanPath(appData + QStringLiteral("/kalmoro/web")), QDir::cleanPath(programFolder)};
}

bool CanPlaceOwnWindow()
{
    return true;
}

void OpenInDefaultBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void ShowFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
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
