#include "fileoutput.h"

#include <optional>

#include <QBuffer>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "fonts.h"
#include "services.h"
#include "textlayerfonts.h"
#include "wholefile.h"

namespace kalmoro {

namespace {

// Fine enough for print; the text stays text.
constexpr int kPdfResolution = 300;
const QString kPdfFailure = QStringLiteral("无法生成 PDF");

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
    const std::function<QString(const QString &)> &write)
{
    const QString path = services.askSavePath(parent, request);
    if (path.isEmpty())
        return;
    if (const QString refusal = KeptFileRefusal(path); !refusal.isEmpty()) {
        services.showMessage(refusal);
        return;
    }
    const QString failure = write(path);
    if (!failure.isEmpty())
        services.showMessage(
            QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), failure));
}

void PrintSheets(QWidget *parent, const Services &services, const QString &name, int pageCount,
    const PaintSheetPage &paint)
{
    PrintService *service = services.printService();
    if (!service) {
        services.showMessage(QStringLiteral("无法打印：找不到打印组件。"));
        return;
    }
    const ScratchDialogSettings settings;
    // Printing makes a PDF, for a printer or a file; its fonts stay until the job is done.
    std::optional<TextLayerFonts> fonts;
    const QString failure = service->print(parent,
        {name, QDir(PicturesDirectory()).filePath(name + QStringLiteral(".pdf")), &KeptFileRefusal,
            [&paint, &fonts](QPainter &painter, const QRectF &page, int index) {
                if (!fonts)
                    fonts.emplace(UiFont());
                paint(painter, page, index, fonts->families());
            },
            pageCount});
    if (!failure.isEmpty())
        services.showMessage(QStringLiteral("无法打印：%1").arg(failure));
}

QString SaveSheetPdf(const QString &path, const QString &title, int pages, const PaintSheetPage &paint)
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
        const TextLayerFonts fonts(UiFont());
        QPainter painter;
        if (!painter.begin(&writer))
            return kPdfFailure;
        for (int index = 0; index < pages; ++index) {
            if (index > 0 && !writer.newPage())
                return kPdfFailure;
            paint(painter, page, index, fonts.families());
        }
        if (!painter.end())
            return kPdfFailure;
    }
    return SaveWhole(path, pdf.data());
}

QString SaveSheetImage(const QImage &image, const QString &path)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG"))
        return QStringLiteral("无法生成图片");
    return SaveWhole(path, png.data());
}

} // namespace kalmoro
