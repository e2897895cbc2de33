#include "printplugin.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace kalmoro {

QString PrintPlugin::print(QWidget *parent, const QString &documentName, const PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("打印机 %1 不能开始打印。").arg(printer.printerName());
    // The painter's origin is the top-left corner of the printable area.
    paint(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    if (!painter.end())
        return QStringLiteral("打印机 %1 没有完成打印。").arg(printer.printerName());
    return {};
}

} // namespace kalmoro
