#include "pipingpart.h"

#include <algorithm>

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "rowtable.h"

namespace kalmoro {

namespace {

using piping::Centi;

enum Column { From, To, Liquid, Gas, Length, Joints, JointModel };
constexpr std::u16string_view kColumns[]
    = {u"起点", u"终点", u"液管Φ", u"气管Φ", u"长度（m）", u"分歧管数", u"分歧管型号"};

// Enough for the sums of a site and a few checks; more scrolls.
constexpr int kSummaryLines = 4;

const QKeySequence kFillRefrigerantKey(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
const QKeySequence kFillCopperKey(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
const QKeySequence kAddJointsKey(Qt::CTRL | Qt::SHIFT | Qt::Key_A);

QString decimal(Centi value)
{
    return FormatDecimal(value, piping::CentiDecimals, 0);
}

QString runCell(const piping::PipeRun &run, int column)
{
    switch (column) {
    case From:
        return run.from;
    case To:
        return run.to;
    case Liquid:
        return piping::DiameterText(std::size_t(run.liquid));
    case Gas:
        return piping::DiameterText(std::size_t(run.gas));
    case Length:
        return decimal(run.length);
    case Joints:
        return QString::number(run.joints);
    default:
        return run.jointModel;
    }
}

// "第 1、3 条管路", for the rows of a check.
QString runsText(const QList<qsizetype> &rows)
{
    QStringList numbers;
    for (qsizetype row : rows)
        numbers << QString::number(row + 1);
    return QStringLiteral("第 %1 条管路").arg(numbers.join(u'、'));
}

// The lengths other than 0 as "Φ9.52 5.5 m", in the order of the diameters.
template <std::size_t N>
QString lengthsText(const std::array<Centi, N> &lengths, QString (*diameter)(std::size_t))
{
    QStringList shown;
    for (std::size_t i = 0; i < N; ++i) {
        if (lengths[i] != 0)
            shown << QStringLiteral("Φ%1 %2 m").arg(diameter(i), decimal(lengths[i]));
    }
    return shown.isEmpty() ? QStringLiteral("无") : shown.join(u'、');
}

} // namespace

QList<JobLine> TakeoffLines::lines(const Job &job) const
{
    QList<JobLine> lines;
    for (const piping::JointLine &joint : piping::JointLines(job.runs, job.jointPrices)) {
        lines.append({joint.model, Milli(joint.count) * 1'000, QStringLiteral("个"), joint.unitPrice,
            JobSource::Piping});
    }
    return lines;
}

void TakeoffLines::keepTypedPrice(Job &job, const JobLine &line) const
{
    // A price below zero is a credit on that line alone, and one the job file would not take back.
    if (line.unitPrice < 0)
        return;
    const auto kept = std::find_if(job.jointPrices.begin(), job.jointPrices.end(),
        [&line](const piping::JointPrice &price) { return price.model == line.description; });
    if (kept != job.jointPrices.end())
        kept->unitPrice = line.unitPrice;
    else if (job.jointPrices.size() < piping::MaxRuns)
        job.jointPrices.append({line.description, line.unitPrice});
}

PipingPart::PipingPart(Job &job, const std::vector<const PageJobLines *> &pages, QWidget *parent)
    : QWidget(parent)
    , m_job(job)
{
    for (const PageJobLines *page : pages) {
        if (const auto *target = dynamic_cast<const PipeLengthsTarget *>(page)) {
            const bool copper = page->source() == JobSource::Copper;
            (copper ? m_copper : m_refrigerant) = target;
            (copper ? m_copperPage : m_refrigerantPage) = page;
        }
        if (const auto *target = dynamic_cast<const IndoorUnitsTarget *>(page))
            m_indoorUnits = target;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildTable(), 1);
    m_notice = NewRefusalNotice(*this, QStringLiteral("管路提示"));
    layout->addWidget(m_notice);
    layout->addLayout(buildBelow());
    // The checks can run longer than a label the tab lays out would show: the summary scrolls in
    // the lines it is given, and screen readers read it whole.
    m_summary = new QPlainTextEdit(this);
    m_summary->setReadOnly(true);
    m_summary->setTabChangesFocus(true);
    m_summary->setFrameShape(QFrame::NoFrame);
    m_summary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary->setFixedHeight(kSummaryLines * m_summary->fontMetrics().lineSpacing()
        + 2 * int(m_summary->document()->documentMargin()));
    QPalette summaryColours = m_summary->palette();
    summaryColours.setColor(QPalette::Base, summaryColours.color(QPalette::Window));
    m_summary->setPalette(summaryColours);
    m_summary->setAccessibleName(QStringLiteral("管路汇总"));
    layout->addWidget(m_summary);
}

QWidget *PipingPart::buildTable()
{
    m_table = NewJobTable(*this, QStringLiteral("管路"), kColumns, To);
    // A run starts at the outdoor unit or at another run's end, and ends at a branch or a room.
    m_table->setItemDelegateForColumn(From,
        new ChoiceDelegate(
            [this] {
                QStringList starts {piping::OutdoorUnit.toString()};
                for (qsizetype i = 0; i < m_job.runs.size(); ++i) {
                    const QString end = m_job.runs[i].to.trimmed();
                    if (i != m_table->currentRow() && !end.isEmpty() && !starts.contains(end))
                        starts << end;
                }
                return starts;
            },
            m_table));
    m_table->setItemDelegateForColumn(
        To, new ChoiceDelegate([this] { return piping::IndoorEnds(m_job.rooms); }, m_table));
    const auto diameters = [](bool liquid) {
        QStringList shown;
        for (std::size_t row = 0; row < piping::Diameters; ++row) {
            if (!liquid || piping::LiquidOfRow(row))
                shown << piping::DiameterText(row);
        }
        return shown;
    };
    m_table->setItemDelegateForColumn(
        Liquid, new ChoiceDelegate([diameters] { return diameters(true); }, m_table));
    m_table->setItemDelegateForColumn(
        Gas, new ChoiceDelegate([diameters] { return diameters(false); }, m_table));
    connect(m_table, &QTableWidget::itemChanged, this, &PipingPart::cellEdited);
    return m_table;
}

QLayout *PipingPart::buildBelow()
{
    auto *below = new QHBoxLayout;
    AddRowButtons(*m_table, *below, {QStringLiteral("添加管路"), QStringLiteral("删除管路")},
        {[this] { addRun(); }, [this] { deleteRun(); }, [this](int offset) { moveRun(offset); }});
    below->addStretch();

    auto *form = new QFormLayout;
    m_allowance = new QLineEdit(this);
    m_allowance->setAccessibleName(QStringLiteral("损耗余量 %"));
    m_allowance->setToolTip(QStringLiteral("弯头与损耗，只加在铜管上"));
    form->addRow(QStringLiteral("损耗余量（%）："), m_allowance);
    connect(m_allowance, &QLineEdit::textEdited, this, [this](const QString &typed) {
        const piping::CellValue allowance = piping::ReadAllowance(typed);
        refuse(allowance.refusal);
        if (!allowance.value)
            return;
        m_job.allowance = *allowance.value;
        changed();
    });
    below->addLayout(form);

    const auto button = [this, below](const QString &caption, const QKeySequence &key) {
        auto *action = new QAction(caption, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(QStringLiteral("%1（%2）").arg(caption, key.toString(QKeySequence::NativeText)));
        addAction(action);
        auto *tool = new QToolButton(this);
        tool->setDefaultAction(action);
        below->addWidget(tool);
        return action;
    };
    connect(button(QStringLiteral("填入加氟计算"), kFillRefrigerantKey), &QAction::triggered, this,
        &PipingPart::fillRefrigerant);
    connect(button(QStringLiteral("填入铜管计算"), kFillCopperKey), &QAction::triggered, this,
        &PipingPart::fillCopper);
    connect(button(QStringLiteral("加入报价单"), kAddJointsKey), &QAction::triggered, this,
        &PipingPart::addJoints);
    return below;
}

void PipingPart::addRun()
{
    if (m_job.runs.size() >= piping::MaxRuns) {
        refuse(QStringLiteral("最多 %1 条管路").arg(piping::MaxRuns));
        return;
    }
    m_job.runs.append(piping::PipeRun {});
    showRuns();
    changed();
    const int row = m_table->rowCount() - 1;
    m_table->setCurrentCell(row, To);
    m_table->setFocus();
    m_table->editItem(m_table->item(row, To));
}

void PipingPart::deleteRun()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_job.runs.removeAt(row);
    showRuns();
    changed();
    m_table->setCurrentCell(std::min(row, m_table->rowCount() - 1), From);
}

void PipingPart::moveRun(int offset)
{
    const int row = m_table->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= m_table->rowCount())
        return;
    m_job.runs.swapItemsAt(row, target);
    const int column = m_table->currentColumn();
    showRuns();
    m_table->setCurrentCell(target, column);
    changed();
}

void PipingPart::showRuns()
{
    m_showing = true;
    m_table->setRowCount(static_cast<int>(m_job.runs.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            auto *item = new QTableWidgetItem;
            if (column != From && column != To && column != JointModel)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        showRow(row);
    }
    m_allowance->setText(decimal(m_job.allowance));
    m_showing = false;
    showSummary();
}

void PipingPart::showRow(int row)
{
    const bool showing = m_showing;
    m_showing = true;
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_table->item(row, column)->setText(runCell(m_job.runs[row], column));
    m_showing = showing;
}

void PipingPart::cellEdited(QTableWidgetItem *item)
{
    if (m_showing)
        return;
    const int row = item->row();
    piping::PipeRun &run = m_job.runs[row];
    piping::PipeRun edited = run;
    const QString typed = item->text();
    QString refusal;
    const auto take = [&refusal](const piping::CellValue &read, auto &member) {
        if (read.value)
            member = static_cast<std::remove_reference_t<decltype(member)>>(*read.value);
        refusal = read.refusal;
    };
    switch (item->column()) {
    case From:
        edited.from = typed.left(MaxTextLength);
        break;
    case To:
        edited.to = typed.left(MaxTextLength);
        break;
    case Liquid:
        take(piping::ReadDiameter(typed, true), edited.liquid);
        break;
    case Gas:
        take(piping::ReadDiameter(typed, false), edited.gas);
        break;
    case Length:
        take(piping::ReadLength(typed), edited.length);
        break;
    case Joints:
        take(piping::ReadJoints(typed), edited.joints);
        break;
    default:
        edited.jointModel = typed.left(MaxTextLength);
        break;
    }
    refuse(refusal);
    const bool taken = refusal.isEmpty() && !(edited == run);
    if (taken)
        run = edited;
    // The cells show what the run now holds: a value that was not taken shows the one before.
    showRow(row);
    TellCellChanged(*m_table, row, item->column());
    if (taken)
        changed();
}

void PipingPart::showSummary()
{
    const piping::Sums sums = piping::Sum(m_job.runs, m_job.allowance);
    const piping::Checks checks = piping::Check(m_job.runs, m_job.rooms);
    QStringList text {
        QStringLiteral("液管：%1。").arg(lengthsText(sums.liquid, piping::LiquidDiameterText)),
        QStringLiteral("铜管（液管与气管，含损耗余量 %1%）：%2。")
            .arg(decimal(m_job.allowance), lengthsText(sums.copperWithAllowance, piping::DiameterText)),
        QStringLiteral("分歧管 %1 个，管路总长 %2 m，从室外机起最长 %3 m，请对照厂家的配管限制。")
            .arg(sums.joints)
            .arg(decimal(sums.total), decimal(checks.longestPath)),
    };
    if (!checks.liquidLarger.isEmpty())
        text << runsText(checks.liquidLarger) + QStringLiteral("的液管大于气管。");
    if (!checks.zeroLength.isEmpty())
        text << runsText(checks.zeroLength) + QStringLiteral("的长度为 0。");
    if (!checks.unknownStart.isEmpty())
        text << runsText(checks.unknownStart) + QStringLiteral("的起点既不是室外机，也不是其他管路的终点。");
    if (!checks.inLoop.isEmpty())
        text << runsText(checks.inLoop) + QStringLiteral("构成回路。");
    if (!checks.unreached.isEmpty())
        text << QStringLiteral("没有管路到达的室内机：%1。").arg(checks.unreached.join(u'、'));
    m_summary->setPlainText(text.join(QString()));
}

void PipingPart::fillRefrigerant()
{
    if (m_job.runs.isEmpty()) {
        refuse(QStringLiteral("还没有管路可填入"));
        return;
    }
    if (!m_refrigerant || !m_indoorUnits)
        return;
    refuse({});
    // The page is shown first, so that its messages come up over it.
    Q_EMIT pageAsked(m_refrigerantPage);
    const piping::Sums sums = piping::Sum(m_job.runs, m_job.allowance);
    const rooms::Summary units = rooms::Summarize(m_job.rooms, m_job.diversity);
    const std::optional<qsizetype> model = rooms::FindOutdoorModel(m_job.outdoorModel);
    if (m_job.otherOutdoorChosen)
        m_indoorUnits->takeOtherMake(sums.liquid);
    else if (units.units > 0 && units.indoorCapacity > 0 && model)
        m_indoorUnits->takeIndoorUnits(units.units, units.indoorCapacity, *model, sums.liquid);
    else
        m_refrigerant->takePipeLengths(sums.liquid);
}

void PipingPart::fillCopper()
{
    if (m_job.runs.isEmpty()) {
        refuse(QStringLiteral("还没有管路可填入"));
        return;
    }
    if (!m_copper)
        return;
    refuse({});
    Q_EMIT pageAsked(m_copperPage);
    m_copper->takePipeLengths(piping::Sum(m_job.runs, m_job.allowance).copperWithAllowance);
}

void PipingPart::addJoints()
{
    if (m_lines.lines(m_job).isEmpty() && !HasSourceLines(m_job, JobSource::Piping)) {
        refuse(QStringLiteral("管路中没有分歧管可加入报价单"));
        return;
    }
    refuse({});
    Q_EMIT addToQuotation();
}

void PipingPart::refuse(const QString &reason)
{
    m_notice->setText(reason.isEmpty() || reason.endsWith(u'。') ? reason : reason + u'。');
}

void PipingPart::changed()
{
    if (m_showing)
        return;
    showSummary();
    Q_EMIT edited();
}

} // namespace kalmoro
