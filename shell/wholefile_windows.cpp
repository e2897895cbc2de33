#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "wholefile.h"

namespace kalmoro {

QString SaveWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    // Unbuffered, so that a failed write is seen where it happens rather than lost at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

WholeRead ReadWhole(const QString &path, qsizetype maxBytes)
{
    // Windows has no pipes or devices in its file names' space that an ordinary path reaches.
    if (QFileInfo(path).isDir())
        return {std::nullopt, QStringLiteral("这是一个文件夹，不是文件")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return {std::move(data), {}};
}

} // namespace kalmoro
