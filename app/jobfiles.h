#pragma once

#include <QString>

#include "job.h"

class QMimeData;

namespace kalmoro {

// The job in the file at path; a file too large, unreadable or not a job gives the reason in Chinese.
JobReadResult ReadJobFile(const QString &path);

// Writes the job to path, replacing a file there only once the new one is complete. Gives the
// reason of a failure, empty on success.
QString WriteJobFile(const Job &job, const QString &path);

// The job file among what is dragged, when there is one: a local file named *.kalmoro.
QString DraggedJobFile(const QMimeData &data);

} // namespace kalmoro
