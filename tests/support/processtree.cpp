#include "processtree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace kalmoro::bench {

namespace {

qint64 pssKiB(const QString &pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    // Files under /proc report a size of 0, so they are read whole rather than line by line.
    const QList<QByteArray> lines = rollup.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

QStringList tree(const QString &pid);

QStringList children(const QString &pid)
{
    QStringList result;
    const QStringList threads
        = QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &thread : threads) {
        QFile list(QStringLiteral("/proc/%1/task/%2/children").arg(pid, thread));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> childPids = list.readAll().split(' ');
        for (const QByteArray &child : childPids) {
            if (!child.trimmed().isEmpty())
                result.append(QString::fromLatin1(child.trimmed()));
        }
    }
    return result;
}

QStringList tree(const QString &pid)
{
    QStringList pids {pid};
    for (const QString &child : children(pid))
        pids << tree(child);
    return pids;
}

} // namespace

qint64 TreePssKiB(const QString &pid)
{
    qint64 total = pssKiB(pid);
    const QStringList childPids = children(pid);
    for (const QString &child : childPids)
        total += TreePssKiB(child);
    return total;
}

int TreeProcessCount(const QString &pid)
{
    int count = 1;
    const QStringList childPids = children(pid);
    for (const QString &child : childPids)
        count += TreeProcessCount(child);
    return count;
}

int OtherProcessesMapping(const QString &pid, const QByteArray &library)
{
    QStringList own = tree(pid);
    if (pid == QLatin1String("self"))
        own << QString::number(QCoreApplication::applicationPid());
    int count = 0;
    const QStringList all = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &other : all) {
        bool number = false;
        other.toLongLong(&number);
        if (!number || own.contains(other))
            continue;
        QFile maps(QStringLiteral("/proc/%1/maps").arg(other));
        if (maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library))
            ++count;
    }
    return count;
}

} // namespace kalmoro::bench
