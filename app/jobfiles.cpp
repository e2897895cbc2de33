#include "jobfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

#include "quotationsheet.h"

namespace kalmoro {

JobReadResult ReadJobFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    // One byte more than a job may have is enough for the reader to refuse a file as too large.
    const QByteArray data = file.read(MaxJobFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return ReadJob(data);
}

QString WriteJobFile(const Job &job, const QString &path)
{
    const QByteArray data = WriteJob(job);
    return SaveWhole(path, [&data](QSaveFile &file) { return file.write(data) == data.size(); });
}

QString DraggedJobFile(const QMimeData &data)
{
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix() == JobFileSuffix)
            return url.toLocalFile();
    }
    return {};
}

} // namespace kalmoro
