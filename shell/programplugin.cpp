#include "programplugin.h"

#include <QPluginLoader>

#include "platform.h"

namespace kalmoro {

QObject *LoadProgramPlugin(const QString &name)
{
    // The loader adds the platform's suffix; the plugins are built without a "lib" prefix.
    QPluginLoader loader(platform::ProgramDirectory() + u'/' + name);
    // Loaded after the application object exists, Qt WebEngine warns that no shared OpenGL
    // context was set up; the program uses none on purpose and logs nothing.
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QObject *instance = loader.instance();
    qInstallMessageHandler(previous);
    return instance;
}

} // namespace kalmoro
