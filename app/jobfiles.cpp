#include "jobfiles.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "wholefile.h"

namespace kalmoro {

JobReadResult ReadJobFile(const QString &path)
{
    // One byte more than a job may have is enough for the reader to refuse a file as too large.
    const WholeRead read = ReadWhole(path, MaxJobFileBytes);
    if (!read.data)
        return {std::nullopt, read.error};
    return ReadJob(*read.data);
}

QString WriteJobFile(const Job &job, const QString &path)
{
    return SaveWhole(path, WriteJob(job));
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
