#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace kalmoro {

// Replaces the file at path with data, all or nothing: the new content is written beside it and
// synced to the disk before it takes the name, so that a failed write, sync or rename at any step,
// a full disk included, leaves the old file byte for byte. Gives the reason of a failure in Chinese,
// empty on success.
QString SaveWhole(const QString &path, const QByteArray &data);

struct WholeRead {
    std::optional<QByteArray> data; // at most maxBytes + 1 bytes, so that a caller sees a file too large
    QString error; // in Chinese; empty when data is set
};
// The content of the regular file at path. A pipe, a device, a socket or a folder is refused without
// blocking, judged by what was opened, so that nothing put at the path can hang the program.
WholeRead ReadWhole(const QString &path, qsizetype maxBytes);

} // namespace kalmoro
