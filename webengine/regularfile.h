#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace kalmoro {

// The content of the regular file at path, a path with no links in it. Anything else is refused
// without being read, judged by what was opened rather than by an earlier look at the path, and
// opened so that a pipe or a device put there in the meantime cannot block: nothing when refused
// or unreadable.
std::optional<QByteArray> ReadRegularFile(const QString &path);

} // namespace kalmoro
