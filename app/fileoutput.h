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

// Hears that done of total steps of an output are made, and gives false when the user cancelled it.
using Progress = std::function<bool(int done, int total)>;
// The reason an output gives when it was cancelled: nothing to report.
inline const QString OutputCancelled = QStringLiteral("已取消");

// Draws the page of an index into the page's printable area, in the font families given.
using SheetPainter
    = std::function<void(QPainter &painter, const QRectF &page, int index, const QStringList &families)>;

// What the sheets' save dialogs propose for a file named name (without suffix): a PNG picture or a
// PDF in the account's Pictures folder.
SaveRequest ImageRequest(const QString &name);
SaveRequest PdfRequest(const QString &name);
// Asks through services in a save dialog over parent where to write the file request proposes and
// writes it there through write, which gives the reason of a failure; a refused or failed file is
// reported in a message box naming it and the reason. An output that takes a while shows its progress
// in a window-modal dialog with 取消, and the window keeps answering between its steps.
void SaveThroughDialog(QWidget *parent, const Services &services, const SaveRequest &request,
    const std::function<QString(const QString &path, const Progress &progress)> &write);
// Prints pageCount pages named name through the services' print plugin, over parent, showing the
// progress with 取消 as a save does.
void PrintSheets(
    QWidget *parent, const Services &services, const QString &name, int pageCount, const SheetPainter &paint);

// Writes an A4 PDF named title of the given number of pages to path, replacing a file there only
// once the new one is complete. The pages are drawn on another thread, so paint must draw from data
// no one changes meanwhile; progress hears every so often how many are drawn. Gives the reason of a
// failure, empty on success, OutputCancelled when progress cancelled it: then nothing was written.
QString SaveSheetPdf(const QString &path, const QString &title, int pages, const SheetPainter &paint,
    const Progress &progress = {});
// image as PNG data; empty when it cannot be made.
QByteArray PngData(const QImage &image);

} // namespace kalmoro
