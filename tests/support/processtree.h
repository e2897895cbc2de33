#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoro::bench {

// Proportional set size, in KiB, of the process pid ("self" for this one) and all its
// descendants, summed from /proc/<pid>/smaps_rollup; 0 where /proc cannot be read.
qint64 TreePssKiB(const QString &pid);

// How many processes the tree under pid holds, pid itself included.
int TreeProcessCount(const QString &pid);

// How many processes outside the tree under pid map a file whose name holds library: they share its
// pages, and so lower the tree's PSS. Processes whose maps cannot be read are not counted.
int OtherProcessesMapping(const QString &pid, const QByteArray &library);

} // namespace kalmoro::bench
