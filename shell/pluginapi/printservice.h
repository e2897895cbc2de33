#pragma once

#include <functional>

#include <QRectF>
#include <QString>
#include <QtPlugin>

class QPainter;
class QWidget;

namespace kalmoro {

// Paints the page of the given index, from 0; page is the printable area in the painter's coordinates.
using PagePainter = std::function<void(QPainter &painter, const QRectF &page, int index)>;

struct PrintJob {
    QString documentName;
    QString proposedFile; // what printing to a file writes unless the user chooses another file
    // Why the file the user chose to print to must not be written, or empty when it may.
    std::function<QString(const QString &path)> refuseFile;
    PagePainter paint;
    int pageCount = 1;
    // Hears that done of the pages are printed; when it gives false, the user cancelled: printing
    // stops and what was printed to a file goes.
    std::function<bool(int done, int total)> progress;
};

// Printing, provided by the optional print plugin so that the program does not load Qt's print
// support until the user prints.
class PrintService
{
public:
    virtual ~PrintService() = default;
    // Shows the system print dialog over parent's window and, when the user accepts it, prints the
    // job's pages. Gives the reason when printing failed or was refused; empty when printed or
    // cancelled, in the dialog or while printing.
    virtual QString print(QWidget *parent, const PrintJob &job) = 0;
};

// The service from the print plugin beside the program, loaded on first use; nullptr when the
// plugin is missing or cannot be loaded.
PrintService *LoadPrintService();

} // namespace kalmoro

#define KALMORO_PRINT_SERVICE_IID "org.kalmoro.PrintService/3.0"
Q_DECLARE_INTERFACE(kalmoro::PrintService, KALMORO_PRINT_SERVICE_IID)
