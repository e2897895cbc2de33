#pragma once

class QObject;
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

} // namespace kalmoro
