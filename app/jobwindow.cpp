#include "jobwindow.h"

#include <utility>

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "dealermemory.h"
#include "fileoutput.h"
#include "fonts.h"
#include "jobfiles.h"
#include "jobquotation.h"
#include "jobsheet.h"
#include "jobwindowplace.h"
#include "pages/calculatorpage.h"
#include "palette.h"
#include "pipingpart.h"
#include "platform.h"
#include "roomspart.h"
#include "rowtable.h"
#include "savedialog.h"
#include "services.h"
#include "spokenresults.h"

namespace kalmoro {

namespace {

// A new job's quotation holds for a month, as dealers' quotations commonly do.
constexpr int kNewValidityDays = 30;
// A new line is one of something until the user says how many.
constexpr Milli kNewLineQuantity = 1'000;
constexpr QSize kInitialSize {760, 640};
// How much of a refused text a notice repeats: enough to recognise it.
constexpr qsizetype kShownTypedLength = 20;

// A text field of the job: the group it is shown in, its caption, the name screen readers read and
// where the job keeps it.
struct TextField {
    bool dealer; // part of the dealer's header, else of the customer block
    std::u16string_view caption;
    std::u16string_view accessibleName;
    QString &(*member)(Job &);
};

constexpr TextField kTextFields[] = {
    {false, u"客户：", u"客户", [](Job &job) -> QString & { return job.customer.name; }},
    {false, u"电话：", u"客户电话", [](Job &job) -> QString & { return job.customer.phone; }},
    {false, u"地址：", u"客户地址", [](Job &job) -> QString & { return job.customer.address; }},
    {false, u"工地：", u"工地", [](Job &job) -> QString & { return job.site; }},
    {true, u"公司：", u"公司名称", [](Job &job) -> QString & { return job.dealer.company; }},
    {true, u"联系人：", u"公司联系人", [](Job &job) -> QString & { return job.dealer.contact; }},
    {true, u"电话：", u"公司电话", [](Job &job) -> QString & { return job.dealer.phone; }},
};

// A number below the lines, taken off or added to the subtotal; 0 for none.
struct JobNumber {
    std::u16string_view caption;
    std::u16string_view accessibleName;
    qint64 Job::*member;
    int decimals;
    qint64 high;
    QString (*format)(qint64);
};

constexpr JobNumber kNumbers[] = {
    {u"优惠（元）：", u"优惠 元", &Job::discount, FenDecimals, MaxDiscount, &FormatYuan},
    {u"税率（%）：", u"税率 百分比", &Job::taxRate, BasisPointDecimals, MaxTaxRate, &FormatTaxRate},
};

// The columns of the lines' table; the amount follows from the others.
enum Column { Description, Quantity, Unit, UnitPrice, Amount };
constexpr std::u16string_view kColumns[] = {u"项目", u"数量", u"单位", u"单价（元）", u"金额（元）"};

const QString kSave = QStringLiteral("保存");
const QString kDiscard = QStringLiteral("不保存");
const QString kCancel = QStringLiteral("取消");

QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

QString lineCell(const JobLine &line, int column)
{
    switch (column) {
    case Description:
        return line.description;
    case Quantity:
        return FormatQuantity(line.quantity);
    case Unit:
        return line.unit;
    case UnitPrice:
        return FormatUnitPrice(line.unitPrice);
    default:
        return FormatYuan(LineAmount(line));
    }
}

QString shownNumber(const Job &job, const JobNumber &number)
{
    const qint64 value = job.*number.member;
    return value == 0 ? QString() : number.format(value);
}

// Takes the number typed into a number's box into job, whose lines add up to subtotal; gives why
// it was refused, empty when it was taken. A value that would bring the total below zero, or
// further below, is refused.
QString takeNumber(Job &job, Fen subtotal, const JobNumber &number, const QString &typed)
{
    const QString caption = text(number.accessibleName).section(u' ', 0, 0);
    const QString trimmed = typed.trimmed();
    // Said at the sign, before the digits that would follow it.
    if (trimmed.startsWith(u'-') || trimmed.startsWith(u'－'))
        return QStringLiteral("%1不能为负。").arg(caption);
    const std::optional<qint64> value
        = ParseDecimal(trimmed.isEmpty() ? QStringLiteral("0") : trimmed, number.decimals);
    if (!value)
        return QStringLiteral("%1“%2”不是数。").arg(caption, typed.left(kShownTypedLength));
    if (*value > number.high) {
        return QStringLiteral("%1超出范围（0 至 %2）。")
            .arg(caption, FormatDecimal(number.high, number.decimals, 0));
    }
    Job changed = job;
    changed.*number.member = *value;
    const JobTotals totals = TotalsOf(changed, subtotal);
    if (totals.total < 0 && totals.total < TotalsOf(job, subtotal).total) {
        return QStringLiteral("%1会使合计低于零（小计 %2 元）。").arg(caption, FormatYuan(totals.subtotal));
    }
    job.*number.member = *value;
    return {};
}

// Screen readers keep what they read until told that it changed, and Qt tells them nothing of a
// window's title.
void tellNameChanged(QAccessibleInterface *changed)
{
    if (!changed)
        return;
    QAccessibleEvent event(changed, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString jobFileFilter()
{
    return QStringLiteral("报价单 (*.%1)").arg(JobFileSuffix);
}

} // namespace

JobWindow::JobWindow(const Services &services, std::vector<const PageJobLines *> pages)
    : QWidget(nullptr, Qt::Window)
    , m_services(services)
    , m_pages(std::move(pages))
{
    // The program ends with its main window; this one goes with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAcceptDrops(true);
    setFont(UiFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(palette::kWhite));
    colours.setColor(QPalette::Highlight, QColor::fromRgb(palette::kOrange));
    colours.setColor(QPalette::HighlightedText, QColor::fromRgb(palette::kWhite));
    setPalette(colours);
    setAutoFillBackground(true);
    build();
    addActions();
    resize(kInitialSize);
    replaceJob({}, {});
}

void JobWindow::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeads());
    buildLines();
    // The rooms beside the quotation's lines: one job, one window, one file.
    auto *parts = new QTabWidget(this);
    parts->addTab(m_lines, QStringLiteral("报价明细"));
    m_rooms = new RoomsPart(m_job, m_pages, this);
    parts->addTab(m_rooms, QStringLiteral("房间与室内机"));
    connect(m_rooms, &RoomsPart::edited, this, &JobWindow::changed);
    m_piping = new PipingPart(m_job, m_pages, this);
    parts->addTab(m_piping, QStringLiteral("管路"));
    m_pages.push_back(&m_piping->jobLines());
    connect(m_piping, &PipingPart::edited, this, &JobWindow::changed);
    connect(m_piping, &PipingPart::addToQuotation, this, [this] { addPage(m_piping->jobLines()); });
    // Which indoor units the runs reach follows the rooms.
    connect(m_rooms, &RoomsPart::edited, m_piping, &PipingPart::showSummary);
    connect(m_rooms, &RoomsPart::pageAsked, this, &JobWindow::pageAsked);
    connect(m_piping, &PipingPart::pageAsked, this, &JobWindow::pageAsked);
    layout->addWidget(parts, 1);
    m_notice = NewRefusalNotice(*this, QStringLiteral("提示"));
    layout->addWidget(m_notice);

    auto *below = new QHBoxLayout;
    auto *lineButtons = new QHBoxLayout;
    below->addLayout(lineButtons);
    below->addStretch();
    below->addLayout(buildNumbers());
    layout->addLayout(below);

    m_totals = new QLabel(this);
    // Screen readers read the totals as the label shows them.
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_totals->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_totals, 0, Qt::AlignRight);
    layout->addLayout(buildNotes());
    // Made last, so that Tab reaches the line buttons after the notes.
    buildLineActions(*lineButtons);
}

QLayout *JobWindow::buildHeads()
{
    auto *customer = new QGroupBox(QStringLiteral("客户"), this);
    auto *dealer = new QGroupBox(QStringLiteral("本公司"), this);
    auto *customerForm = new QFormLayout(customer);
    auto *dealerForm = new QFormLayout(dealer);
    for (std::size_t i = 0; i < std::size(kTextFields); ++i) {
        const TextField &field = kTextFields[i];
        auto *box = new QLineEdit(this);
        box->setAccessibleName(text(field.accessibleName));
        box->setMaxLength(static_cast<int>(MaxTextLength));
        (field.dealer ? dealerForm : customerForm)->addRow(text(field.caption), box);
        m_fields[i] = box;
        connect(box, &QLineEdit::textEdited, this, [this, &field](const QString &typed) {
            field.member(m_job) = typed;
            changed();
            if (field.dealer)
                keepDealer();
        });
    }
    m_date = new QDateEdit(this);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setAccessibleName(QStringLiteral("日期"));
    customerForm->addRow(QStringLiteral("日期："), m_date);
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate date) {
        m_job.date = date;
        changed();
    });
    m_validity = new QSpinBox(this);
    m_validity->setRange(0, MaxValidityDays);
    m_validity->setSuffix(QStringLiteral(" 天"));
    m_validity->setAccessibleName(QStringLiteral("有效期 天"));
    customerForm->addRow(QStringLiteral("有效期："), m_validity);
    connect(m_validity, &QSpinBox::valueChanged, this, [this](int days) {
        m_job.validityDays = days;
        changed();
    });
    m_rememberDealer = new QCheckBox(QStringLiteral("记住公司信息"), this);
    m_rememberDealer->setChecked(RememberedDealer().has_value());
    dealerForm->addRow(m_rememberDealer);
    connect(m_rememberDealer, &QCheckBox::toggled, this, &JobWindow::keepDealer);
    auto *heads = new QHBoxLayout;
    heads->addWidget(customer);
    heads->addWidget(dealer);
    return heads;
}

void JobWindow::buildLines()
{
    m_lines = NewJobTable(*this, QStringLiteral("报价明细"), kColumns, Description);
    connect(m_lines, &QTableWidget::itemChanged, this, &JobWindow::lineEdited);
}

QLayout *JobWindow::buildNumbers()
{
    auto *money = new QFormLayout;
    for (std::size_t i = 0; i < std::size(kNumbers); ++i) {
        const JobNumber &number = kNumbers[i];
        auto *box = new QLineEdit(this);
        box->setAccessibleName(text(number.accessibleName));
        money->addRow(text(number.caption), box);
        m_numbers[i] = box;
        // An empty box is none; each number typed counts at once, and one that is refused is put
        // back at once, the reason beside the lines.
        connect(box, &QLineEdit::textEdited, this, [this, box, &number](const QString &typed) {
            const QString refusal = takeNumber(m_job, m_subtotal, number, typed);
            refuse(refusal);
            if (refusal.isEmpty())
                changed();
            else
                box->setText(shownNumber(m_job, number));
        });
    }
    return money;
}

QLayout *JobWindow::buildNotes()
{
    m_notes = new QPlainTextEdit(this);
    m_notes->setAccessibleName(QStringLiteral("备注"));
    m_notes->setTabChangesFocus(true);
    m_notes->setMaximumHeight(m_notes->fontMetrics().lineSpacing() * 4);
    auto *notes = new QFormLayout;
    notes->addRow(QStringLiteral("备注："), m_notes);
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing)
            return;
        // What goes past the bound is cut off at once; cutting it edits the box again.
        if (QTextDocument *notes = m_notes->document(); notes->characterCount() - 1 > MaxNotesLength) {
            QTextCursor excess(notes);
            excess.setPosition(static_cast<int>(MaxNotesLength));
            excess.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            excess.removeSelectedText();
            refuse(QStringLiteral("备注最多 %1 个字，多出的部分未保留。").arg(MaxNotesLength));
            return;
        }
        m_job.notes = m_notes->toPlainText();
        changed();
    });
    return notes;
}

void JobWindow::buildLineActions(QBoxLayout &buttons)
{
    // The lines' own commands, as buttons below the table and shortcuts of the window.
    const auto lineAction = [this, &buttons](const QString &caption, const QKeySequence &shortcut) {
        auto *action = new QAction(caption, this);
        action->setShortcut(shortcut);
        QWidget::addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        buttons.addWidget(button);
        return action;
    };
    connect(lineAction(QStringLiteral("添加行"), kAddRowKey), &QAction::triggered, this, &JobWindow::addLine);
    connect(lineAction(QStringLiteral("删除行"), kDeleteRowKey), &QAction::triggered, this,
        &JobWindow::deleteLine);
    connect(
        lineAction(QStringLiteral("上移"), kRowUpKey), &QAction::triggered, this, [this] { moveLine(-1); });
    connect(
        lineAction(QStringLiteral("下移"), kRowDownKey), &QAction::triggered, this, [this] { moveLine(1); });
}

void JobWindow::addLine()
{
    if (m_job.lines.size() >= MaxJobLines) {
        refuse(QStringLiteral("报价单最多 %1 行。").arg(MaxJobLines));
        return;
    }
    m_job.lines.append({{}, kNewLineQuantity, {}, 0, JobSource::Typed});
    const int row = m_lines->rowCount();
    m_lines->insertRow(row);
    showLine(row);
    m_subtotal += LineAmount(m_job.lines.last());
    changed();
    m_lines->setCurrentCell(row, Description);
    m_lines->setFocus();
    m_lines->editItem(m_lines->item(row, Description));
}

void JobWindow::deleteLine()
{
    const int row = m_lines->currentRow();
    if (row < 0)
        return;
    m_subtotal -= LineAmount(m_job.lines.takeAt(row));
    m_lines->removeRow(row);
    changed();
    m_lines->setCurrentCell(std::min(row, m_lines->rowCount() - 1), Description);
}

void JobWindow::addActions()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(QStringLiteral("文件(&F)"));
    const auto add = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(shortcut);
        // Also while the menu is closed, and in this window only.
        QWidget::addAction(action);
        return action;
    };
    connect(
        add(file, QStringLiteral("新建"), QKeySequence::New), &QAction::triggered, this, &JobWindow::newJob);
    connect(add(file, QStringLiteral("打开…"), QKeySequence::Open), &QAction::triggered, this,
        &JobWindow::chooseAndOpen);
    connect(add(file, QStringLiteral("保存"), QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered, this,
        &JobWindow::save);
    connect(add(file, QStringLiteral("另存为…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        &QAction::triggered, this, &JobWindow::saveAs);

    // The customer quotation, as the pages' sheets are given.
    QMenu *output = bar->addMenu(QStringLiteral("输出(&O)"));
    connect(add(output, QStringLiteral("复制报价单"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
        &QAction::triggered, this, [this] { CopySheet(SheetOf(m_job)); });
    // Each output builds the sheet once, however many pages it has.
    connect(add(output, QStringLiteral("保存为图片…"), {}), &QAction::triggered, this,
        [this] { SaveSheetPicturesThroughDialog(this, m_services, SheetOf(m_job), JobFileName(m_job)); });
    connect(add(output, QStringLiteral("导出 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
        &QAction::triggered, this,
        [this] { ExportSheetPdfThroughDialog(this, m_services, SheetOf(m_job), JobFileName(m_job)); });
    connect(add(output, QStringLiteral("打印…"), QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered,
        this, [this] { PrintSheet(this, m_services, SheetOf(m_job), JobFileName(m_job)); });
}

void JobWindow::setCompanion(QWidget &main, QWidget &free)
{
    m_main = &main;
    m_free = &free;
    // Where a program cannot place its windows, the window system keeps this one by the main window.
    if (!platform::CanPlaceOwnWindow()) {
        winId();
        windowHandle()->setTransientParent(main.windowHandle());
    }
}

void JobWindow::present()
{
    if (!m_placed && m_main && platform::CanPlaceOwnWindow()) {
        const QRect screen = m_main->screen()->availableGeometry();
        move(JobWindowPlace(screen, m_main->frameGeometry(),
            QRect(m_free->mapToGlobal(QPoint(0, 0)), m_free->size()), frameGeometry().size()));
    }
    m_placed = true;
    show();
    raise();
    activateWindow();
}

void JobWindow::addPage(const PageJobLines &page)
{
    const JobSource source = page.source();
    const QList<JobLine> lines = page.lines(m_job);
    if (const QString refusal = ReplaceRefusal(m_job, source, lines); !refusal.isEmpty()) {
        m_services.showMessage(QStringLiteral("无法加入报价单：%1。").arg(refusal));
        return;
    }
    if (HasSourceLines(m_job, source)
        && m_services.askChoice(this,
               QStringLiteral("报价单中已有这一页加入的行。用这一页现在的结果替换它们吗？"),
               {QStringLiteral("替换"), kCancel})
            == kCancel)
        return;
    ReplaceSourceLines(m_job, source, lines);
    showLines();
    changed();
}

bool JobWindow::openFile(const QString &path)
{
    const JobReadResult read = ReadJobFile(path);
    if (!read.job) {
        m_services.showMessage(
            QStringLiteral("无法打开文件 %1：%2").arg(QDir::toNativeSeparators(path), read.error));
        return false;
    }
    if (!settleChanges())
        return false;
    replaceJob(*read.job, path);
    return true;
}

bool JobWindow::settleChanges()
{
    if (!isWindowModified())
        return true;
    const QString answer = m_services.askChoice(this,
        QStringLiteral("报价单“%1”有未保存的修改。保存吗？").arg(jobName()), {kSave, kDiscard, kCancel});
    if (answer == kSave)
        return save();
    if (answer != kDiscard)
        return false;
    // The changes the user chose not to save are dropped, so that nothing asks about them again:
    // the window opens again on the saved job.
    replaceJob(m_saved, m_path);
    return true;
}

void JobWindow::newJob()
{
    if (settleChanges())
        replaceJob({}, {});
}

void JobWindow::chooseAndOpen()
{
    const QString folder = m_path.isEmpty() ? DocumentsDirectory() : QFileInfo(m_path).absolutePath();
    const QString path
        = m_services.askOpenPath(this, {QStringLiteral("打开报价单"), folder, jobFileFilter(), {}});
    if (!path.isEmpty())
        openFile(path);
}

bool JobWindow::save()
{
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool JobWindow::saveAs()
{
    const QString proposed = m_path.isEmpty()
        ? QDir(DocumentsDirectory()).filePath(JobFileName(m_job) + u'.' + JobFileSuffix.toString())
        : m_path;
    const QString path = m_services.askSavePath(
        this, {QStringLiteral("另存为"), proposed, jobFileFilter(), JobFileSuffix.toString()});
    if (path.isEmpty())
        return false;
    if (const QString refusal = KeptFileRefusal(path); !refusal.isEmpty()) {
        m_services.showMessage(refusal);
        return false;
    }
    return writeTo(path);
}

bool JobWindow::writeTo(const QString &path)
{
    if (const QString failure = WriteJobFile(m_job, path); !failure.isEmpty()) {
        m_services.showMessage(
            QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    m_path = path;
    m_saved = m_job;
    // The title loses its mark of changes, which screen readers then hear.
    const SpokenResults spoken;
    setWindowModified(false);
    return true;
}

void JobWindow::closeEvent(QCloseEvent *event)
{
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void JobWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange)
        tellTitle();
}

// Qt marks the window modified again at every edit: screen readers hear of the title only when what
// it shows has changed, and with what the key that changed it computed.
void JobWindow::tellTitle()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(this);
    if (!window || window->text(QAccessible::Name) == m_toldTitle)
        return;
    m_toldTitle = window->text(QAccessible::Name);
    tellNameChanged(window);
    NoteResult(*this, m_toldTitle);
}

void JobWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void JobWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DraggedJobFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void JobWindow::dropEvent(QDropEvent *event)
{
    const QString path = DraggedJobFile(*event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (openFile(path))
        present();
}

void JobWindow::keepDealer()
{
    const QString failure = m_rememberDealer->isChecked() ? RememberDealer(m_job.dealer) : ForgetDealer();
    // Kept at every key: a failure is said once, not again at each key that fails the same way.
    if (!failure.isEmpty() && failure != m_dealerFailure)
        m_services.showMessage(QStringLiteral("无法记住公司信息：%1").arg(failure));
    m_dealerFailure = failure;
}

void JobWindow::replaceJob(const Job &job, const QString &path)
{
    m_job = job;
    if (path.isEmpty()) {
        m_job.date = m_services.today();
        m_job.validityDays = kNewValidityDays;
        if (m_rememberDealer->isChecked())
            m_job.dealer = RememberedDealer().value_or(Dealer {});
    }
    m_saved = m_job;
    m_path = path;
    showJob();
    setWindowModified(false);
}

void JobWindow::showJob()
{
    m_showing = true;
    for (std::size_t i = 0; i < std::size(kTextFields); ++i)
        m_fields[i]->setText(kTextFields[i].member(m_job));
    m_date->setDate(m_job.date);
    m_validity->setValue(m_job.validityDays);
    m_notes->setPlainText(m_job.notes);
    for (std::size_t i = 0; i < std::size(kNumbers); ++i)
        m_numbers[i]->setText(shownNumber(m_job, kNumbers[i]));
    m_showing = false;
    showLines();
    m_rooms->showRooms();
    m_piping->showRuns();
    showTitle();
}

void JobWindow::showLines()
{
    m_subtotal = Subtotal(m_job);
    m_lines->setRowCount(static_cast<int>(m_job.lines.size()));
    for (int row = 0; row < m_lines->rowCount(); ++row)
        showLine(row);
    showTotals();
}

void JobWindow::showLine(int row)
{
    const bool showing = std::exchange(m_showing, true);
    for (int column = 0; column < m_lines->columnCount(); ++column) {
        auto *item = new QTableWidgetItem(lineCell(m_job.lines[row], column));
        if (column == Amount)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        if (column != Description && column != Unit)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_lines->setItem(row, column, item);
    }
    m_showing = showing;
}

void JobWindow::showTotals()
{
    QStringList parts;
    for (const SheetField &field : TotalsFields(m_job, TotalsOf(m_job, m_subtotal)))
        parts << field.label + u'：' + field.value;
    m_totals->setText(parts.join(QStringLiteral("　")));
}

void JobWindow::lineEdited(QTableWidgetItem *item)
{
    if (m_showing)
        return;
    JobLine &line = m_job.lines[item->row()];
    JobLine edited = line;
    const QString typed = item->text();
    QString refusal;
    const auto number = [&typed, &refusal](qint64 &member, int decimals, const QString &caption) {
        if (const std::optional<qint64> value = ParseDecimal(typed, decimals))
            member = *value;
        else
            refusal = QStringLiteral("%1“%2”不是数。").arg(caption, typed.left(kShownTypedLength));
    };
    switch (item->column()) {
    case Description:
        edited.description = typed;
        break;
    case Unit:
        edited.unit = typed;
        break;
    case Quantity:
        number(edited.quantity, MilliDecimals, QStringLiteral("数量"));
        break;
    case UnitPrice:
        number(edited.unitPrice, MicroYuanDecimals, QStringLiteral("单价"));
        break;
    default:
        break;
    }
    if (refusal.isEmpty())
        refusal = JobLineRefusal(edited);
    refuse(refusal);
    if (refusal.isEmpty()) {
        m_subtotal += LineAmount(edited) - LineAmount(line);
        line = edited;
        if (item->column() == UnitPrice) {
            for (const PageJobLines *page : m_pages) {
                if (page->source() == line.source)
                    page->keepTypedPrice(m_job, line);
            }
        }
    }
    // The cells show what the line now holds: a value that was not taken shows the one before.
    m_showing = true;
    item->setText(lineCell(line, item->column()));
    m_lines->item(item->row(), Amount)->setText(lineCell(line, Amount));
    m_showing = false;
    TellCellChanged(*m_lines, item->row(), item->column());
    TellCellChanged(*m_lines, item->row(), Amount);
    showTotals();
    if (refusal.isEmpty()) {
        const SpokenResults spoken;
        tellLineAndTotal(item->row());
        changed();
    }
}

void JobWindow::tellLineAndTotal(int row)
{
    const QString amount = text(kColumns[Amount]) + u' ' + m_lines->item(row, Amount)->text();
    QString total;
    for (const SheetField &field : TotalsFields(m_job, TotalsOf(m_job, m_subtotal)))
        total = field.label + u' ' + field.value;
    // Told while the cell's editor still has the focus: screen readers ignore a cell's changes.
    NoteResult(*m_lines, amount);
    NoteResult(*m_totals, total);
}

void JobWindow::refuse(const QString &reason)
{
    m_notice->setText(reason);
}

void JobWindow::moveLine(int offset)
{
    const int row = m_lines->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= m_lines->rowCount())
        return;
    m_job.lines.swapItemsAt(row, target);
    const int column = m_lines->currentColumn();
    showLine(row);
    showLine(target);
    m_lines->setCurrentCell(target, column);
    changed();
}

void JobWindow::changed()
{
    if (m_showing)
        return;
    setWindowModified(true);
    showTotals();
    showTitle();
}

QString JobWindow::jobName() const
{
    const QString customer = m_job.customer.name.trimmed();
    return customer.isEmpty() ? QStringLiteral("未命名") : customer;
}

void JobWindow::showTitle()
{
    setWindowTitle(QStringLiteral("报价单 – %1[*]").arg(jobName()));
}

} // namespace kalmoro
