#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform.h"

namespace kalmoro::platform {

namespace {
bool processPrepared = false;
} // namespace

void PrepareProcess()
{
    // The engine's sandbox runs for every user here; nothing else needs setting in advance.
    processPrepared = true;
}

bool IsProcessPrepared()
{
    return processPrepared;
}

void AwaitPreparation() {}

QString ProgramDirectory()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
}

bool CanPlaceOwnWindow()
{
    return true;
}

void OpenInDefaultBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString PicturesDirectory()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace kalmoro::platform
