#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "fileoutput.h"
#include "jobquotation.h"

class QPainter;
class QWidget;

namespace kalmoro {

struct Services;

// A sheet drawn as a clean A4 page, not a picture of the window: white, the dealer's header, the
// title, the fields under it, the sections' tables, the table of lines, the totals, the validity and
// the notes. The rows that do not fit go on to further pages, each again under the header and their
// table's captions.

// The rows each page holds, from the first, counting the sections' rows in order and then the lines'.
struct SheetPage {
    qsizetype first = 0;
    qsizetype count = 0;
};
QList<SheetPage> SheetPages(const JobSheet &sheet);

// Draws the page of an index of pages as large as it fits into area, in the font families given.
void PaintSheetPage(QPainter &painter, const JobSheet &sheet, const QList<SheetPage> &pages, int index,
    const QRectF &area, const QStringList &families);
// The page of an index at scale device pixels to a logical pixel; a sheet of one page only as
// long as what it holds.
QImage SheetPicture(const JobSheet &sheet, const QList<SheetPage> &pages, int index,
    const QStringList &families, qreal scale = 2);
// Where the pictures of a sheet of count pages go when the user chose path: path itself for one,
// otherwise "名-1.png", "名-2.png" … beside it.
QStringList PicturePaths(const QString &path, int count);

// Write the sheet as PNG pictures, one an A4 page, or as A4 pages of PDF named title with their text
// selectable; progress hears of each page. Files are only ever written whole, and a cancelled
// output leaves none. Give the reason of a failure, empty on success.
QString WriteSheetPictures(const JobSheet &sheet, const QString &path, const Progress &progress = {});
QString WriteSheetPdf(
    const JobSheet &sheet, const QString &title, const QString &path, const Progress &progress = {});

// What the user asks for the sheet, over parent: the clipboard as text and as HTML; a file chosen in
// a save dialog proposing name, written with progress and 取消; the print plugin's dialog.
void CopySheet(const JobSheet &sheet);
void SaveSheetPicturesThroughDialog(
    QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name);
void ExportSheetPdfThroughDialog(
    QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name);
void PrintSheet(QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name);

// What the program's sheets share: their face at a pixel size in the font families given, and
// text drawn from the left end of its baseline so that a PDF's text layer keeps every character.
QFont SheetFont(const QStringList &families, int pixelSize, bool bold = false);
void DrawSheetText(QPainter &painter, QPointF baseline, const QString &text);

} // namespace kalmoro
