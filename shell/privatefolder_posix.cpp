#include <cstdlib>
#include <mutex>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "privatefolder.h"
#include "sessionbus.h"

namespace kalmoro::platform {

namespace {

// mkdtemp's template; the sweep of stale folders matches the same names.
constexpr QLatin1StringView kFolderPrefix("kalmoro-");
constexpr QLatin1StringView kFolderTemplate("kalmoro-XXXXXX");
// Held, with flock, for as long as the program that made the folder lives; the kernel lets go of
// it however the program ends. A process id could be reused by another program, a lock cannot.
constexpr QLatin1StringView kLockName("lock");
// The lock file is made and locked under this name, then renamed: a sweep never sees it unlocked.
constexpr QLatin1StringView kNewLockName(".lock-new");

// As the file system resolves it, so that a path that reaches the folder through a link is
// recognised.
QString &privateFolder()
{
    static QString folder;
    return folder;
}

QString &privateFolderFailure()
{
    static QString failure;
    return failure;
}

// Where a file written at path ends up: each link followed, the nearest existing folder resolved and
// the names below it kept, for a file that does not exist yet.
QString resolvedPath(const QString &path)
{
    // Enough for any chain of links the kernel itself would follow.
    constexpr int kMaxLinks = 40;
    // Not cleaned: ".." after a link leads where the kernel takes it, which realpath() finds.
    QString current = QDir::isRelativePath(path) ? QDir::currentPath() + u'/' + path : path;
    for (int links = 0; links < kMaxLinks && QFileInfo(current).isSymLink(); ++links)
        current = QFileInfo(current).symLinkTarget();
    QStringList below;
    while (true) {
        const QString canonical = QFileInfo(current).canonicalFilePath();
        if (!canonical.isEmpty()) {
            below.prepend(canonical);
            return QDir::cleanPath(below.join(u'/'));
        }
        const qsizetype slash = current.lastIndexOf(u'/');
        if (slash <= 0)
            return current;
        below.prepend(current.mid(slash + 1));
        current = current.left(slash);
    }
}

bool statusOf(const QString &path, struct stat *status)
{
    return ::stat(QFile::encodeName(path).constData(), status) == 0;
}

// Not the root: the folder would sit among the system's own.
bool isRoot(const QString &folder)
{
    return QFileInfo(folder).canonicalFilePath() == u"/";
}

bool isUsableRuntime(const QString &folder)
{
    struct stat status = {};
    return !folder.isEmpty() && statusOf(folder, &status) && S_ISDIR(status.st_mode)
        && status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700 && !isRoot(folder);
}

bool isWritableFolder(const QString &folder)
{
    struct stat status = {};
    // access() lets root write anywhere: a folder nobody may write to is read-only for root too.
    return !folder.isEmpty() && statusOf(folder, &status) && S_ISDIR(status.st_mode)
        && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
        && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0 && !isRoot(folder);
}

// A folder of this user's whose lock file is there and free: its program has ended without
// removing it. A folder still being made has no lock file yet and is left alone.
bool isStale(const QString &folder)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != ::geteuid())
        return false;
    const QByteArray lockPath = QFile::encodeName(folder + u'/' + kLockName);
    const int lock = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (lock < 0)
        return false;
    const bool free = ::flock(lock, LOCK_EX | LOCK_NB) == 0;
    ::close(lock);
    return free;
}

void removeStaleFolders(const QString &place)
{
    const QDir dir(place);
    // Picked out by prefix here: Qt matches a name filter with its regular expression engine, which
    // start-up would load and compile for this alone.
    const QStringList names = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.size() == kFolderTemplate.size() && name.startsWith(kFolderPrefix)
            && isStale(dir.filePath(name)))
            QDir(dir.filePath(name)).removeRecursively();
    }
}

// The lock is taken before the lock file has its name, so no sweep can take it first.
int lockFolder(const QString &folder)
{
    const QByteArray newPath = QFile::encodeName(folder + u'/' + kNewLockName);
    const int lock = ::open(newPath.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (lock < 0)
        return -1;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0
        || ::rename(newPath.constData(), QFile::encodeName(folder + u'/' + kLockName).constData()) != 0) {
        ::close(lock);
        return -1;
    }
    return lock;
}

} // namespace

PrivateFolder MakePrivateFolder(const PrivateFolderPlaces &places)
{
    PrivateFolder made;
    made.runtimeUsable = isUsableRuntime(places.runtime);
    QStringList usable;
    if (made.runtimeUsable)
        usable << places.runtime;
    for (const QString &place : {places.temporary, places.fallback}) {
        if (isWritableFolder(place))
            usable << place;
    }
    for (const QString &place : usable)
        removeStaleFolders(place);
    for (const QString &place : usable) {
        QByteArray folder = QFile::encodeName(place + u'/' + kFolderTemplate);
        if (!::mkdtemp(folder.data()))
            continue;
        made.path = QFileInfo(QFile::decodeName(folder)).canonicalFilePath();
        made.lock = lockFolder(made.path);
        return made;
    }
    made.failure = QStringLiteral("没有可写的临时文件夹");
    return made;
}

void UsePrivateFolder()
{
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    // The user's runtime folder as the session left it, before it may change below.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    qputenv("DBUS_SESSION_BUS_ADDRESS", SessionBusAddress(qgetenv("DBUS_SESSION_BUS_ADDRESS"), runtime));

    // The lock stays held until the process ends.
    const PrivateFolder made
        = MakePrivateFolder({.runtime = runtime, .temporary = qEnvironmentVariable("TMPDIR")});
    if (made.path.isEmpty()) {
        privateFolderFailure() = made.failure;
        return;
    }
    privateFolder() = made.path;
    std::atexit(RemovePrivateFolder);

    // The user's settings and fonts are still read from where they are.
    const QString home = QDir::homePath();
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    const QByteArray folder = QFile::encodeName(made.path);
    qputenv("HOME", folder);
    qputenv("XDG_CACHE_HOME", folder + "/cache");
    // Qt would otherwise make a runtime folder of its own in TMPDIR and leave it there.
    if (!made.runtimeUsable)
        qputenv("XDG_RUNTIME_DIR", folder);
}

bool IsInPrivateFolder(const QString &path)
{
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return false;
    const QString resolved = resolvedPath(path);
    return resolved == folder || resolved.startsWith(folder + u'/');
}

QString PrivateFolderFailure()
{
    return privateFolderFailure();
}

void RemovePrivateFolder()
{
    static std::once_flag removed;
    std::call_once(removed, [] {
        if (!privateFolder().isEmpty())
            QDir(privateFolder()).removeRecursively();
    });
}

} // namespace kalmoro::platform
