#include <QFile>
#include <unistd.h>

#include "processmemory.h"

namespace kalmoro {

qint64 ResidentMemory(qint64 pid)
{
    if (pid <= 0)
        return 0;
    // statm holds sizes in pages: total, then resident.
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readLine().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

} // namespace kalmoro
