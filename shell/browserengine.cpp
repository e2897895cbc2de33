#include "browserengine.h"

#include <QPluginLoader>

#include "platform.h"

namespace kalmoro {

namespace {

struct EngineSlot {
    BrowserEngine *testing = nullptr;
    BrowserEngine *plugin = nullptr;
    bool pluginTried = false;
};

EngineSlot &engineSlot()
{
    static EngineSlot slot;
    return slot;
}

BrowserEngine *loadPlugin()
{
    // Unprepared, the engine's sandbox would refuse to start for root and take the process down;
    // the browsers stay empty instead.
    if (!platform::IsProcessPrepared())
        return nullptr;
    // The loader adds the platform's suffix; the plugin is built without a "lib" prefix.
    QPluginLoader loader(platform::ProgramDirectory() + QStringLiteral("/kalmoro_webengine"));
    // Loaded after the application object exists, Qt WebEngine warns that no shared OpenGL
    // context was set up; the program uses none on purpose and logs nothing.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QObject *instance = loader.instance();
    qInstallMessageHandler(previous);
    return qobject_cast<BrowserEngine *>(instance);
}

} // namespace

BrowserEngine *LoadBrowserEngine()
{
    EngineSlot &slot = engineSlot();
    if (slot.testing)
        return slot.testing;
    // A missing plugin stays missing for the whole run: every click would otherwise search again.
    if (!slot.pluginTried) {
        slot.pluginTried = true;
        slot.plugin = loadPlugin();
    }
    return slot.plugin;
}

void SetBrowserEngineForTesting(BrowserEngine *engine)
{
    engineSlot().testing = engine;
}

} // namespace kalmoro
