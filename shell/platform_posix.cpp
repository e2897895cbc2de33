#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <fontconfig/fontconfig.h>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

#include "exitwatchdog.h"
#include "platform.h"
#include "privatefolder.h"
#include "terminationsignals.h"
#include "userbrowser.h"

namespace kalmoro::platform {

namespace {
bool processPrepared = false;
// The nice value of a helper thread: well below the GUI thread (0), so that on a busy machine the
// scheduler gives the GUI thread the core first.
constexpr int kHelperNice = 10;
// Reading the desktop's font configuration (dozens of XML files) is the largest single cost before
// the first frame, and it needs nothing of Qt: it runs on another core while Qt connects to the
// display. Qt's own call then finds it done.
std::jthread fontConfiguration;
// The user's and the shared page folders, as the user's environment named them at the start.
QStringList startPageFolders;

// The kalmoro/web folders of the data folders the XDG base directories name in env: XDG_DATA_HOME
// (else ~/.local/share), then each of XDG_DATA_DIRS (else /usr/local/share and /usr/share). Relative
// paths are ignored, as the XDG base directory rules ask.
QStringList DataPageFolders(const QProcessEnvironment &env)
{
    QString own = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (QDir::isRelativePath(own)) {
        const QString home = env.value(QStringLiteral("HOME"));
        own = (QDir::isAbsolutePath(home) ? home : AccountHome()) + QStringLiteral("/.local/share");
    }
    QStringList shared = env.value(QStringLiteral("XDG_DATA_DIRS")).split(u':');
    shared.removeIf([](const QString &folder) { return QDir::isRelativePath(folder); });
    if (shared.isEmpty())
        shared = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    QStringList folders;
    for (const QString &data : QStringList {own} + shared)
        folders << QDir::cleanPath(data + QStringLiteral("/kalmoro/web"));
    folders.removeDuplicates();
    return folders;
}
} // namespace

void PrepareProcess()
{
    processPrepared = true;
    // Chromium's sandbox refuses to start for root; the engine then runs without it, for this
    // process only.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const QProcessEnvironment user = QProcessEnvironment::systemEnvironment();
    // Before the private folder moves HOME and pins XDG_DATA_HOME.
    startPageFolders = DataPageFolders(user);
    UsePrivateFolder();
    StartExitWatchdog();
    // The private folder goes when the program ends, also when a signal ends it.
    CatchTerminationSignals();
    OpenWebAddressesWith(user);
    // Last, as the configuration reads the environment set above.
    fontConfiguration = std::jthread([] {
        LowerThreadPriority();
        FcInit();
    });
}

void QuitOnTerminationSignals()
{
    QuitOnCaughtSignals();
}

void AwaitPreparation()
{
    if (fontConfiguration.joinable())
        fontConfiguration.join();
}

void EnsureProcessEnds(int status)
{
    ArmExitWatchdog(status);
}

void EndAtOnceOnExitWhileRunning()
{
    static bool registered = false;
    if (std::exchange(registered, true))
        return;
    // Exit handlers run last registered first: this one runs before the engine's and Qt's own,
    // which would unload the engine's plugin while its pages live. After a normal end the
    // application object is gone and the usual teardown runs.
    ::on_exit(
        [](int status, void *) {
            if (!QCoreApplication::instance())
                return;
            std::fflush(nullptr);
            RemovePrivateFolder();
            ::_exit(status);
        },
        nullptr);
}

QString BrowserEngineRefusal()
{
    return PrivateFolderFailure();
}

// On Linux each thread has its own nice value, set through its thread id.
void LowerThreadPriority()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kHelperNice);
}

bool IsProcessPrepared()
{
    return processPrepared;
}

QString ProgramDirectory()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
}

QStringList PageFolders(const QString &programFolder)
{
    QStringList folders
        = processPrepared ? startPageFolders : DataPageFolders(QProcessEnvironment::systemEnvironment());
    folders << QDir::cleanPath(programFolder);
    folders.removeDuplicates();
    return folders;
}

bool CanPlaceOwnWindow()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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
    const passwd *account = getpwuid(getuid());
    return account && account->pw_dir && *account->pw_dir
        ? QDir::cleanPath(QFile::decodeName(account->pw_dir))
        : QDir::homePath();
}

// Qt places the desktop's folders in HOME, which may have moved to the private folder.
QString AccountFolder(QStandardPaths::StandardLocation location)
{
    QString folder = QStandardPaths::writableLocation(location);
    const QString movedHome = QDir::homePath();
    if (folder == movedHome || folder.startsWith(movedHome + u'/'))
        folder.replace(0, movedHome.size(), AccountHome());
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || IsRemovedAtExit(folder))
        return {};
    return QDir::cleanPath(folder);
}

bool IsRemovedAtExit(const QString &path)
{
    return IsInPrivateFolder(path);
}

} // namespace kalmoro::platform
