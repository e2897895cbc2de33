#include "quotationactions.h"

#include <functional>

#include <QAction>
#include <QMenu>

#include "jobsheet.h"
#include "jobwindow.h"
#include "jobwindowondemand.h"
#include "mainwindow.h"
#include "pageviews.h"
#include "quotation.h"
#include "services.h"
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

namespace {

// The calculator page shown, or null on another page.
using ShownPage = std::function<const CalculatorPage *()>;

// The sheet's actions act on the page shown. A sheet always agrees with itself and with the screen:
// asking for one first brings the page up to date.
void connectSheetActions(const QList<QAction *> &sheetActions, const ShownPage &shown, QWidget *parent,
    QObject *context, const Services &services)
{
    using Handle = std::function<void(const JobSheet &sheet, const QString &name)>;
    const auto act = [shown, &services](const Handle &handle) {
        return [shown, &services, handle] {
            if (const CalculatorPage *page = shown()) {
                page->bringUpToDate();
                const Quotation quotation = page->quotation(services.today());
                handle(SheetOf(quotation), QuotationFileName(quotation));
            }
        };
    };
    const Handle handlers[] = {
        [](const JobSheet &sheet, const QString &) { CopySheet(sheet); },
        [parent, &services](const JobSheet &sheet, const QString &name) {
            SaveSheetPicturesThroughDialog(parent, services, sheet, name);
        },
        [parent, &services](const JobSheet &sheet, const QString &name) {
            ExportSheetPdfThroughDialog(parent, services, sheet, name);
        },
        [parent, &services](
            const JobSheet &sheet, const QString &name) { PrintSheet(parent, services, sheet, name); },
    };
    for (qsizetype i = 0; i < sheetActions.size(); ++i)
        QObject::connect(sheetActions[i], &QAction::triggered, context, act(handlers[i]));
}

void connectJobActions(
    QAction *addToJob, QAction *openJob, const ShownPage &shown, JobWindowOnDemand &job, QObject *context)
{
    QObject::connect(addToJob, &QAction::triggered, context, [shown, &job] {
        const CalculatorPage *page = shown();
        if (const PageJobLines *lines = page ? page->jobLines() : nullptr) {
            page->bringUpToDate();
            JobWindow &window = job.window();
            window.addPage(*lines);
            window.present();
        }
    });
    QObject::connect(openJob, &QAction::triggered, context, [&job] { job.window().present(); });
}

// Edit boxes keep their own menu; a right click elsewhere on a calculator page reaches the page
// itself. The menu is made when it is asked for, not at start-up.
void offerMenuOnPages(const PageViews &views, const QList<QAction *> &sheetActions,
    const QList<QAction *> &jobActions, QObject *context)
{
    PageTab &tab = *views.windowControls.mainTab;
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

} // namespace

void WireQuotationActions(const PageViews &views, MainWindow &window, JobWindowOnDemand &job,
    QObject *context, const Services &services)
{
    PageTab &tab = *views.windowControls.mainTab;
    // One set of actions for the window, acting on the calculator page shown.
    const QList<QAction *> sheetActions {
        addAction(window, QStringLiteral("复制结果"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
        addAction(window, QStringLiteral("保存为图片…"), QKeySequence(Qt::CTRL | Qt::Key_S)),
        addAction(window, QStringLiteral("导出 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        addAction(window, QStringLiteral("打印…"), QKeySequence(Qt::CTRL | Qt::Key_P)),
    };
    QAction *addToJob
        = addAction(window, QStringLiteral("加入报价单"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    QAction *openJob
        = addAction(window, QStringLiteral("打开报价单"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    const QList<QAction *> jobActions {addToJob, openJob};

    const ShownPage shown = [&tab, &pages = views.calculators]() -> const CalculatorPage * {
        for (const std::unique_ptr<CalculatorPage> &page : pages) {
            if (tab.pageOf(page->anchor()) == tab.currentPage())
                return page.get();
        }
        return nullptr;
    };
    connectSheetActions(sheetActions, shown, &window, context, services);
    connectJobActions(addToJob, openJob, shown, job, context);

    // Other pages have nothing to quote: there the shortcuts are off, but for opening the job. A
    // page that prices nothing has a sheet but no lines for a job.
    const auto enable = [sheetActions, addToJob, shown] {
        const CalculatorPage *page = shown();
        for (QAction *action : sheetActions)
            action->setEnabled(page != nullptr);
        addToJob->setEnabled(page != nullptr && page->jobLines() != nullptr);
    };
    enable();
    QObject::connect(&tab, &PageTab::currentPageChanged, context, enable);
    offerMenuOnPages(views, sheetActions, jobActions, context);
}

} // namespace kalmoro
