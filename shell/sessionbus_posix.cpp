#include <QFile>
#include <sys/stat.h>

#include "sessionbus.h"

namespace kalmoro::platform {

namespace {

bool isSocket(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

QByteArray SessionBusAddress(const QByteArray &set, const QString &runtimeFolder)
{
    if (!set.isEmpty())
        return set;
    // Where systemd's user session and dbus-broker put the user's bus.
    const QString socket = runtimeFolder + QStringLiteral("/bus");
    if (runtimeFolder.isEmpty() || !isSocket(socket))
        return QByteArrayLiteral("disabled:");
    // An address value leaves only these bytes unescaped; '~' is escaped too, unlike in a URL.
    return "unix:path=" + QFile::encodeName(socket).toPercentEncoding("/\\*", "~");
}

} // namespace kalmoro::platform
