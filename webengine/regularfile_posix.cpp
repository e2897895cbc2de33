#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "regularfile.h"

namespace kalmoro {

std::optional<QByteArray> ReadRegularFile(const QString &path)
{
    // Opening a pipe for reading without O_NONBLOCK waits for a writer, for good if none comes.
    const int descriptor = ::open(
        QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace kalmoro
