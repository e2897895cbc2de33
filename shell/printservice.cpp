#include "printservice.h"

#include "programplugin.h"

namespace kalmoro {

namespace {

PluginSlot<PrintService> &printSlot()
{
    static PluginSlot<PrintService> slot(QStringLiteral("kalmoro_print"));
    return slot;
}

} // namespace

PrintService *LoadPrintService()
{
    return printSlot().get();
}

} // namespace kalmoro
