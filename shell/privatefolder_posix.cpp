#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "privatefolder.h"

namespace kalmoro::platform {

namespace {

// As the file system resolves it, so that a path that reaches the folder through a link is
// recognised.
QString &privateFolder()
{
    static QString folder;
    return folder;
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

void removePrivateFolder()
{
    QDir(privateFolder()).removeRecursively();
}

} // namespace

void UsePrivateFolder()
{
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    // A bus started for the program would outlive it; an existing one stays, screen readers use it.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    // In the user's runtime folder when there is one: it is emptied at log-out even if the
    // program is killed outright.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString parent = runtime.isEmpty() ? QDir::tempPath() : runtime;
    QByteArray folder = QFile::encodeName(parent + QStringLiteral("/kalmoro-XXXXXX"));
    if (!::mkdtemp(folder.data()))
        return;
    privateFolder() = QFileInfo(QFile::decodeName(folder)).canonicalFilePath();
    std::atexit(removePrivateFolder);

    // The user's settings and fonts are still read from where they are.
    const QString home = QDir::homePath();
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("HOME", folder);
    qputenv("XDG_CACHE_HOME", folder + "/cache");
    if (runtime.isEmpty())
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

} // namespace kalmoro::platform
