#include "platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kalmoro::platform {

void PrepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

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
