#include <cerrno>

#include <QFile>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "systemerror.h"
#include "wholefile.h"

namespace kalmoro {

namespace {

// The reason of the failure Qt just reported: the system's, when the system gave one, else Qt's own
// text (its translation is installed).
QString failureOf(int code, const QFileDevice &file)
{
    return code != 0 ? SystemErrorReason(code) : file.errorString();
}

// Writes all of data to descriptor; the system's error code, 0 on success.
int writeAll(int descriptor, const QByteArray &data)
{
    const char *next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        next += written;
        left -= written;
    }
    return 0;
}

} // namespace

QString SaveWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(errno, file);
    // Written to the descriptor rather than through Qt's buffer: a buffered write that fails when the
    // buffer is flushed at commit goes unseen there, and the incomplete file would take the old one's
    // place. Synced here because commit ignores a failed sync.
    int code = writeAll(file.handle(), data);
    if (code == 0 && ::fsync(file.handle()) != 0)
        code = errno;
    if (code != 0) {
        file.cancelWriting();
        return SystemErrorReason(code);
    }
    errno = 0;
    if (!file.commit())
        return failureOf(errno, file);
    return {};
}

WholeRead ReadWhole(const QString &path, qsizetype maxBytes)
{
    // Opening a pipe for reading without O_NONBLOCK waits for a writer, for good if none comes.
    const int descriptor
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {std::nullopt, SystemErrorReason(errno)};
    struct stat status = {};
    int code = 0;
    if (::fstat(descriptor, &status) != 0)
        code = errno;
    else if (S_ISDIR(status.st_mode))
        code = EISDIR;
    else if (!S_ISREG(status.st_mode))
        code = ENXIO;
    if (code != 0) {
        ::close(descriptor);
        return {std::nullopt, SystemErrorReason(code)};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {std::nullopt, file.errorString()};
    }
    errno = 0;
    QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, failureOf(errno, file)};
    return {std::move(data), {}};
}

} // namespace kalmoro
