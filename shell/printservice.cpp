#include "printservice.h"

#include <QPluginLoader>

#include "platform.h"

namespace kalmoro {

namespace {

struct ServiceSlot {
    PrintService *testing = nullptr;
    PrintService *plugin = nullptr;
    bool pluginTried = false;
};

ServiceSlot &serviceSlot()
{
    static ServiceSlot slot;
    return slot;
}

} // namespace

PrintService *LoadPrintService()
{
    ServiceSlot &slot = serviceSlot();
    if (slot.testing)
        return slot.testing;
    if (!slot.pluginTried) {
        slot.pluginTried = true;
        // The loader adds the platform's suffix; the plugin is built without a "lib" prefix.
        QPluginLoader loader(platform::ProgramDirectory() + QStringLiteral("/kalmoro_print"));
        slot.plugin = qobject_cast<PrintService *>(loader.instance());
    }
    return slot.plugin;
}

void SetPrintServiceForTesting(PrintService *service)
{
    serviceSlot().testing = service;
}

} // namespace kalmoro
