#include "browserengine.h"

#include "platform.h"
#include "programplugin.h"

namespace kalmoro {

namespace {

PluginSlot<BrowserEngine> &engineSlot()
{
    static PluginSlot<BrowserEngine> slot(QStringLiteral("kalmoro_webengine"));
    return slot;
}

} // namespace

BrowserEngine *LoadBrowserEngine()
{
    // Unprepared, the engine's sandbox would refuse to start for root and take the process down;
    // the browsers stay empty instead.
    BrowserEngine *engine
        = engineSlot().get(platform::IsProcessPrepared() && platform::BrowserEngineRefusal().isEmpty());
    if (engine)
        platform::EndAtOnceOnExitWhileRunning();
    return engine;
}

} // namespace kalmoro
