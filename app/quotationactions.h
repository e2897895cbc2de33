#pragma once

class QObject;
class QWidget;

namespace kalmoro {

class JobWindow;
class MainWindow;
struct PageViews;
struct Quotation;

// The quotation menu of the calculator pages: a right click anywhere on a calculator page but in an
// edit box opens it; its shortcuts work while such a page is shown, also from its edit boxes. Beside
// the page's own sheet it adds the page to the job and opens the job window.
void WireQuotationActions(const PageViews &views, MainWindow &window, JobWindow &job, QObject *context);

// Puts the quotation on the clipboard as plain text and as an HTML table.
void CopyQuotation(const Quotation &quotation);
// Ask for a file in a save dialog over parent and write the sheet to it; a file that cannot be
// written is reported in a message box naming it and the reason.
void SaveQuotationAsImage(const Quotation &quotation, QWidget *parent);
void ExportQuotationPdf(const Quotation &quotation, QWidget *parent);
// Prints the sheet through the print plugin, which shows the system print dialog over parent.
void PrintQuotation(const Quotation &quotation, QWidget *parent);

} // namespace kalmoro
