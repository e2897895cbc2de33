#include "fileoutput.h"

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>

#include "fonts.h"
#include "platform.h"
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
// How often a long output lets the window answer.
constexpr std::chrono::milliseconds kAnswerEvery {20};
// A short output is done before a dialog would be read.
constexpr int kShowProgressAfter = 400; // ms

// A window-modal dialog with 取消 that shows an output's progress once it takes a while; between
// its steps the window keeps answering.
class OutputProgress final
{
public:
    OutputProgress(QWidget *parent, const QString &title, const QString &text)
        : m_parent(parent)
        , m_title(title)
        , m_text(text)
    {
    }
    Q_DISABLE_COPY_MOVE(OutputProgress)

    Progress callback()
    {
        return [this](int done, int total) { return step(done, total); };
    }

private:
    bool step(int done, int total)
    {
        // Made on the first step, so that it times the output, not a dialog asked before it.
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(m_text, QStringLiteral("取消"), 0, 0, m_parent);
            m_dialog->setWindowTitle(m_title);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(kShowProgressAfter);
        }
        m_dialog->setMaximum(total);
        m_dialog->setValue(done);
        // Until the dialog shows, and with it blocks the window's input, the user's input waits for
        // the output to finish.
        QCoreApplication::processEvents(
            m_dialog->isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        return !m_dialog->wasCanceled();
    }

    QWidget *m_parent;
    QString m_title;
    QString m_text;
    std::unique_ptr<QProgressDialog> m_dialog;
};

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
    OutputProgress progress(
        parent, request.title, QStringLiteral("正在写入 %1…").arg(QFileInfo(path).fileName()));
    const QString failure = write(path, progress.callback());
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
    OutputProgress progress(parent, QStringLiteral("打印"), QStringLiteral("正在打印 %1…").arg(name));
    // Printing makes a PDF, for a printer or a file.
    const QString failure = service->print(parent,
        {name, QDir(PicturesDirectory()).filePath(name + QStringLiteral(".pdf")), &KeptFileRefusal,
            [&paint](QPainter &painter, const QRectF &page, int index) {
                paint(painter, page, index, TextLayerFamilies(UiFont()));
            },
            pageCount, progress.callback()});
    if (!failure.isEmpty())
        services.showMessage(QStringLiteral("无法打印：%1").arg(failure));
}

namespace {

// Draws the pages into a PDF and writes it to path, on a thread of its own; done counts the pages
// drawn, and the PDF is abandoned at the next page once cancelled is set.
QString writePdf(const QString &path, const QString &title, int pages, const SheetPainter &paint,
    const QStringList &families, std::atomic<int> &done, const std::atomic<bool> &cancelled)
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
        QPainter painter;
        if (!painter.begin(&writer))
            return kPdfFailure;
        for (int index = 0; index < pages; ++index) {
            if (cancelled)
                return OutputCancelled;
            if (index > 0 && !writer.newPage())
                return kPdfFailure;
            paint(painter, page, index, families);
            done = index + 1;
        }
        if (!painter.end())
            return kPdfFailure;
    }
    if (cancelled)
        return OutputCancelled;
    return SaveWhole(path, pdf.data());
}

} // namespace

QString SaveSheetPdf(
    const QString &path, const QString &title, int pages, const SheetPainter &paint, const Progress &progress)
{
    const QStringList families = TextLayerFamilies(UiFont());
    // The pages are drawn, the fonts embedded and the file written on another thread, below the GUI
    // thread's priority, so that the window only waits for them, answering between the steps.
    std::atomic<int> done = 0;
    std::atomic<bool> cancelled = false;
    std::future<QString> writing = std::async(std::launch::async, [&] {
        platform::LowerThreadPriority();
        return writePdf(path, title, pages, paint, families, done, cancelled);
    });
    while (writing.wait_for(kAnswerEvery) != std::future_status::ready) {
        if (progress && !cancelled && !progress(done, pages))
            cancelled = true;
    }
    return writing.get();
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
