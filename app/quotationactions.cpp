#include "quotationactions.h"

#include <functional>
#include <optional>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "fonts.h"
#include "jobwindow.h"
#include "jobwindowondemand.h"
#include "mainwindow.h"
#include "pageviews.h"
#include "quotation.h"
#include "quotationsheet.h"
#include "services.h"
#include "textlayerfonts.h"
#include "widgets/pagetab.h"

namespace kalmoro {

namespace {

QAction *addAction(QWidget &window, const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, &window);
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    window.addAction(action);
    return action;
}

} // namespace

void WireQuotationActions(const PageViews &views, MainWindow &window, JobWindowOnDemand &job,
    QObject *context, const Services &services)
{
    PageTab &tab = *views.windowControls.mainTab;
    // One set of actions for the window, acting on the calculator page shown.
    QAction *copy
        = addAction(window, QStringLiteral("复制结果"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction *saveImage = addAction(window, QStringLiteral("保存为图片…"), QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *exportPdf
        = addAction(window, QStringLiteral("导出 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *print = addAction(window, QStringLiteral("打印…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction *addToJob
        = addAction(window, QStringLiteral("加入报价单"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    QAction *openJob
        = addAction(window, QStringLiteral("打开报价单"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    const QList<QAction *> sheetActions {copy, saveImage, exportPdf, print};
    const QList<QAction *> jobActions {addToJob, openJob};
    const QList<QAction *> actions = sheetActions + jobActions;

    const auto shown = [&tab, &pages = views.calculators]() -> const CalculatorPage * {
        for (const std::unique_ptr<CalculatorPage> &page : pages) {
            if (tab.pageOf(page->anchor()) == tab.currentPage())
                return page.get();
        }
        return nullptr;
    };
    // A sheet always agrees with itself and with the screen: asking for one first brings the page
    // up to date.
    const auto act = [shown, &services](const std::function<void(const Quotation &)> &handle) {
        return [shown, &services, handle] {
            if (const CalculatorPage *page = shown()) {
                page->bringUpToDate();
                handle(page->quotation(services.today()));
            }
        };
    };
    QWidget *parent = &window;
    QObject::connect(copy, &QAction::triggered, context, act(&CopyQuotation));
    QObject::connect(
        saveImage, &QAction::triggered, context, act([parent, &services](const Quotation &quotation) {
            SaveQuotationAsImage(quotation, parent, services);
        }));
    QObject::connect(
        exportPdf, &QAction::triggered, context, act([parent, &services](const Quotation &quotation) {
            ExportQuotationPdf(quotation, parent, services);
        }));
    QObject::connect(
        print, &QAction::triggered, context, act([parent, &services](const Quotation &quotation) {
            PrintQuotation(quotation, parent, services);
        }));
    QObject::connect(addToJob, &QAction::triggered, context, [shown, &job] {
        if (const CalculatorPage *page = shown()) {
            page->bringUpToDate();
            JobWindow &window = job.window();
            window.addPage(*page);
            window.present();
        }
    });
    QObject::connect(openJob, &QAction::triggered, context, [&job] { job.window().present(); });

    // Other pages have nothing to quote: there the shortcuts are off. A page that prices nothing
    // has a sheet but no lines for a job.
    const auto enable = [actions, addToJob, shown] {
        const CalculatorPage *page = shown();
        for (QAction *action : actions)
            action->setEnabled(page != nullptr);
        addToJob->setEnabled(page != nullptr && page->jobSource() != JobSource::None);
    };
    enable();
    QObject::connect(&tab, &PageTab::currentPageChanged, context, enable);

    // Edit boxes keep their own menu; a right click elsewhere on the page reaches the page itself.
    // The menu is made when it is asked for, not at start-up.
    for (const std::unique_ptr<CalculatorPage> &page : views.calculators) {
        QWidget *container = tab.page(tab.pageOf(page->anchor()));
        container->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(container, &QWidget::customContextMenuRequested, context,
            [sheetActions, jobActions, container](QPoint position) {
                auto *menu = new QMenu(container);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->addActions(sheetActions);
                menu->addSeparator();
                menu->addActions(jobActions);
                menu->popup(container->mapToGlobal(position));
            });
    }
}

void CopyQuotation(const Quotation &quotation)
{
    auto *data = new QMimeData;
    data->setText(QuotationText(quotation));
    data->setHtml(QuotationHtml(quotation));
    QGuiApplication::clipboard()->setMimeData(data);
}

void SaveQuotationAsImage(const Quotation &quotation, QWidget *parent, const Services &services)
{
    SaveThroughDialog(parent, services, ImageRequest(QuotationFileName(quotation)),
        [&quotation](const QString &path) { return SaveQuotationImage(quotation, path); });
}

void ExportQuotationPdf(const Quotation &quotation, QWidget *parent, const Services &services)
{
    SaveThroughDialog(parent, services, PdfRequest(QuotationFileName(quotation)),
        [&quotation](const QString &path) { return SaveQuotationPdf(quotation, path); });
}

void PrintQuotation(const Quotation &quotation, QWidget *parent, const Services &services)
{
    PrintSheets(parent, services, QuotationFileName(quotation), 1,
        [&quotation](QPainter &painter, const QRectF &page, int, const QStringList &families) {
            PaintQuotationSheet(painter, quotation, page, families);
        });
}

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
    const SheetPagePainter &paint)
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

} // namespace kalmoro
