#include "printplugin.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace kalmoro {

QString PrintPlugin::print(QWidget *parent, const PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The file is only proposed: back on the printer, it is used once the user prints to a file.
    // Where there is no printer, printing to a file stays the choice.
    printer.setOutputFileName(job.proposedFile);
    printer.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (const QString refusal = job.refuseFile(printer.outputFileName()); !refusal.isEmpty())
            return refusal;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("打印机 %1 不能开始打印。").arg(printer.printerName());
    // The painter's origin is the top-left corner of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    for (int index = 0; index < job.pageCount; ++index) {
        if (index > 0 && !printer.newPage())
            return QStringLiteral("打印机 %1 不能换页。").arg(printer.printerName());
        job.paint(painter, page, index);
        if (job.progress && !job.progress(index + 1, job.pageCount)) {
            printer.abort();
            if (printer.outputFormat() == QPrinter::PdfFormat)
                QFile::remove(printer.outputFileName());
            return {};
        }
    }
    if (!painter.end())
        return QStringLiteral("打印机 %1 没有完成打印。").arg(printer.printerName());
    return {};
}

} // namespace kalmoro
