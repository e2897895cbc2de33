#include "platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>

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

} // namespace kalmoro::platform
