#pragma once

#include <QObject>

#include "printservice.h"

namespace kalmoro {

// Qt Print Support behind the print action: the system print dialog, then one page.
class PrintPlugin final : public QObject, public PrintService
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KALMORO_PRINT_SERVICE_IID)
    Q_INTERFACES(kalmoro::PrintService)
    Q_DISABLE_COPY_MOVE(PrintPlugin)
public:
    PrintPlugin() = default;

    QString print(QWidget *parent, const PrintJob &job) override;
};

} // namespace kalmoro
