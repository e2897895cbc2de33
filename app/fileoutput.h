#pragma once

#include <functional>

#include <QImage>
#include <QString>
#include <QStringList>

#include "savedialog.h"

class QPainter;
class QRectF;
class QWidget;

namespace kalmoro {

struct Services;

// Where the program's sheets go: files chosen in a save dialog, written whole, and the printer.

// Draws the page of an index into the page's printable area, in the font families given.
using PaintSheetPage
    = std::function<void(QPainter &painter, const QRectF &page, int index, const QStringList &families)>;

// What the sheets' save dialogs propose for a file named name (without suffix): a PNG picture or a
// PDF in the account's Pictures folder.
SaveRequest ImageRequest(const QString &name);
SaveRequest PdfRequest(const QString &name);
// Asks through services in a save dialog over parent where to write the file request proposes and
// writes it there through write, which gives the reason of a failure; a refused or failed file is
// reported in a message box naming it and the reason.
void SaveThroughDialog(QWidget *parent, const Services &services, const SaveRequest &request,
    const std::function<QString(const QString &)> &write);
// Prints pageCount pages named name through the services' print plugin, over parent.
void PrintSheets(QWidget *parent, const Services &services, const QString &name, int pageCount,
    const PaintSheetPage &paint);

// Writes an A4 PDF named title of the given number of pages to path, replacing a file there only
// once the new one is complete. Gives the reason of a failure, empty on success.
QString SaveSheetPdf(const QString &path, const QString &title, int pages, const PaintSheetPage &paint);
// Writes image as a PNG file in the same way.
QString SaveSheetImage(const QImage &image, const QString &path);

} // namespace kalmoro
