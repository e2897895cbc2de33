#include "fileoutput.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>

#include "fonts.h"
#include "services.h"
#include "textlayerfonts.h"
#include "wholefile.h"

namespace kalmoro {

namespace {

// Fine enough for print; the text stays text.
constexpr int kPdfResolution = 300;
const QString kPdfFailure = QStringLiteral("无法生成 PDF");
// Qt's PNG writer takes the quality as the inverse of zlib's level: 80 is level 1, the fastest that
// still packs a sheet's white ground to a small file.
constexpr int kPngQuality = 80;
// A short output is done before a dialog would be read.
constexpr int kShowProgressAfter = 400; // ms

} // namespace

SaveRequest ImageRequest(const QString &name)
{
    return {QStringLiteral("保存为图片"), QDir(PicturesDirectory()).filePath(name + QStringLiteral(".png")),
        QStringLiteral("PNG 图片 (*.png)"), QStringLiteral("png")};
}

SaveRequest PdfRequest(const QString &name)
{
    return {QStringLiteral("导出 PDF"), QDir(PicturesDirectory()).filePath(name + QStringLiteral(".pdf")),
        QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf")};
}

void SaveThroughDialog(QWidget *parent, const Services &services, const SaveRequest &request,
    const std::function<QString(const QString &path, const Progress &progress)> &write)
{
    const QString path = services.askSavePath(parent, request);
    if (path.isEmpty())
        return;
    if (const QString refusal = KeptFileRefusal(path); !refusal.isEmpty()) {
        services.showMessage(refusal);
        return;
    }
    QProgressDialog dialog(
        QStringLiteral("正在写入 %1…").arg(QFileInfo(path).fileName()), QStringLiteral("取消"), 0, 0, parent);
    dialog.setWindowTitle(request.title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(kShowProgressAfter);
    const QString failure = write(path, [&dialog](int done, int total) {
        dialog.setMaximum(total);
        dialog.setValue(done);
        // The window keeps answering between the steps; until the dialog shows, and with it blocks
        // the window's input, the user's input waits for the output to finish.
        QCoreApplication::processEvents(
            dialog.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        return !dialog.wasCanceled();
    });
    if (!failure.isEmpty() && failure != OutputCancelled)
        services.showMessage(
            QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), failure));
}

void PrintSheets(
    QWidget *parent, const Services &services, const QString &name, int pageCount, const SheetPainter &paint)
{
    PrintService *service = services.printService();
    if (!service) {
        services.showMessage(QStringLiteral("无法打印：找不到打印组件。"));
        return;
    }
    const ScratchDialogSettings settings;
    // Printing makes a PDF, for a printer or a file.
    const QString failure = service->print(parent,
        {name, QDir(PicturesDirectory()).filePath(name + QStringLiteral(".pdf")), &KeptFileRefusal,
            [&paint](QPainter &painter, const QRectF &page, int index) {
                paint(painter, page, index, TextLayerFamilies(UiFont()));
            },
            pageCount});
    if (!failure.isEmpty())
        services.showMessage(QStringLiteral("无法打印：%1").arg(failure));
}

QString SaveSheetPdf(
    const QString &path, const QString &title, int pages, const SheetPainter &paint, const Progress &progress)
{
    // Made in memory and written whole, so that a file that cannot be finished never replaces one.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(kPdfResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Kalmoro"));
        const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(kPdfResolution).size());
        const QStringList families = TextLayerFamilies(UiFont());
        QPainter painter;
        if (!painter.begin(&writer))
            return kPdfFailure;
        for (int index = 0; index < pages; ++index) {
            if (index > 0 && !writer.newPage())
                return kPdfFailure;
            paint(painter, page, index, families);
            if (progress && !progress(index + 1, pages))
                return OutputCancelled;
        }
        if (!painter.end())
            return kPdfFailure;
    }
    return SaveWhole(path, pdf.data());
}

QByteArray PngData(const QImage &image)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG", kPngQuality))
        return {};
    return png.data();
}

} // namespace kalmoro
