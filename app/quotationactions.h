#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "savedialog.h"

class QObject;
class QPainter;
class QRectF;
class QWidget;

namespace kalmoro {

class JobWindowOnDemand;
class MainWindow;
struct PageViews;
struct Quotation;
struct Services;

// The quotation menu of the calculator pages: a right click anywhere on a calculator page but in an
// edit box opens it; its shortcuts work while such a page is shown, also from its edit boxes. Beside
// the page's own sheet it adds the page to the job and opens the job window.
void WireQuotationActions(const PageViews &views, MainWindow &window, JobWindowOnDemand &job,
    QObject *context, const Services &services);

// Puts the quotation on the clipboard as plain text and as an HTML table.
void CopyQuotation(const Quotation &quotation);
// Ask for a file in a save dialog over parent and write the sheet to it; a file that cannot be
// written is reported in a message box naming it and the reason.
void SaveQuotationAsImage(const Quotation &quotation, QWidget *parent, const Services &services);
void ExportQuotationPdf(const Quotation &quotation, QWidget *parent, const Services &services);
// Prints the sheet through the print plugin, which shows the system print dialog over parent.
void PrintQuotation(const Quotation &quotation, QWidget *parent, const Services &services);

// What the sheets' save dialogs propose for a file named name (without suffix): a PNG picture or a
// PDF in the account's Pictures folder.
SaveRequest ImageRequest(const QString &name);
SaveRequest PdfRequest(const QString &name);
// Asks through services in a save dialog over parent where to write the file request proposes and writes it
// there through write, which gives the reason of a failure; a refused or failed file is reported in a message
// box naming it and the reason.
void SaveThroughDialog(QWidget *parent, const Services &services, const SaveRequest &request,
    const std::function<QString(const QString &)> &write);
// Prints pageCount pages named name through the services' print plugin, over parent; paint draws the page of
// an index in the font families given.
using SheetPagePainter
    = std::function<void(QPainter &painter, const QRectF &page, int index, const QStringList &families)>;
void PrintSheets(QWidget *parent, const Services &services, const QString &name, int pageCount,
    const SheetPagePainter &paint);

} // namespace kalmoro
