#include "roomspart.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "pages/calculatorpage.h"
#include "refrigerant.h"
#include "rowtable.h"

namespace kalmoro {

namespace {

using rooms::Centi;

enum Column { Name, Type, Area, Index, Load, Horsepower, Model, Capacity, Count, Check };
constexpr std::u16string_view kColumns[] = {u"房间", u"类型", u"面积（m²）", u"指标（W/m²）", u"负荷（kW）",
    u"匹", u"室内机型号", u"制冷量（kW）", u"台数", u"核对"};
constexpr Column kComputed[] = {Load, Horsepower, Check};

const QKeySequence kFillKey(Qt::CTRL | Qt::SHIFT | Qt::Key_F);

const QString kNote = QStringLiteral("方案阶段估算，施工图以负荷计算为准");
const QString kUnderCapacity = QStringLiteral("⚠ 制冷量不足");
const QString kNoOutdoor = QStringLiteral("未选");
const QString kOtherMake = QStringLiteral("其他品牌");
// The combo's data for another make's unit, which no model of the page is named.
const QString kOtherMakeData = QStringLiteral("*");

QString decimal(Centi value)
{
    return FormatDecimal(value, rooms::CentiDecimals, 0);
}

// An amount the user has not typed yet shows as an empty cell.
QString typedDecimal(Centi value)
{
    return value == 0 ? QString() : decimal(value);
}

QString roomCell(const rooms::Room &room, int column)
{
    switch (column) {
    case Name:
        return room.name;
    case Type:
        return room.type;
    case Area:
        return typedDecimal(room.area);
    case Index:
        return decimal(room.index);
    case Load:
        return decimal(rooms::RoomLoad(room));
    case Horsepower:
        return FormatDecimal(rooms::Horsepower(rooms::RoomLoad(room)), 1, 1);
    case Model:
        return room.unit.model;
    case Capacity:
        return typedDecimal(room.unit.capacity);
    case Count:
        return QString::number(room.unit.count);
    default:
        return rooms::UnderCapacity(room) ? kUnderCapacity : QString();
    }
}

const OwnRoomType *findOwnType(const QList<OwnRoomType> &types, const QString &name)
{
    const auto found = std::find_if(
        types.cbegin(), types.cend(), [&name](const OwnRoomType &type) { return type.name == name; });
    return found == types.cend() ? nullptr : &*found;
}

} // namespace

RoomsPart::RoomsPart(Job &job, const std::vector<const PageJobLines *> &pages, QWidget *parent)
    : QWidget(parent)
    , m_job(job)
    , m_ownTypes(RememberedRoomTypes())
{
    for (const PageJobLines *page : pages) {
        if (const auto *target = dynamic_cast<const IndoorUnitsTarget *>(page)) {
            m_refrigerant = target;
            m_refrigerantLines = page;
        }
    }
    auto *layout = new QVBoxLayout(this);
    auto *note = new QLabel(kNote, this);
    layout->addWidget(note);
    layout->addWidget(buildTable(), 1);
    m_notice = NewRefusalNotice(*this, QStringLiteral("房间提示"));
    layout->addWidget(m_notice);
    layout->addLayout(buildBelow());
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    // Screen readers read the summary as the label shows it.
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_summary->setFocusPolicy(Qt::TabFocus);
    m_summary->setAccessibleName(QStringLiteral("房间汇总"));
    layout->addWidget(m_summary);
    m_keepTypes = new QCheckBox(QStringLiteral("记住自定义房间类型"), this);
    m_keepTypes->setChecked(RoomTypesRemembered());
    layout->addWidget(m_keepTypes);
    connect(m_keepTypes, &QCheckBox::toggled, this, &RoomsPart::keepOwnTypes);
}

QWidget *RoomsPart::buildTable()
{
    m_table = NewJobTable(*this, QStringLiteral("房间与室内机"), kColumns, Name);
    // The type cell offers the room types, then the user's own, and takes any name typed.
    m_table->setItemDelegateForColumn(Type,
        new ChoiceDelegate(
            [this] {
                QStringList types;
                for (const rooms::RoomType &type : rooms::RoomTypes)
                    types << type.name.toString();
                for (const OwnRoomType &type : m_ownTypes)
                    types << type.name;
                return types;
            },
            m_table, QStringLiteral("房间类型")));
    connect(m_table, &QTableWidget::itemChanged, this, &RoomsPart::cellEdited);
    return m_table;
}

QLayout *RoomsPart::buildBelow()
{
    auto *below = new QHBoxLayout;
    AddRowButtons(*m_table, *below, {QStringLiteral("添加房间"), QStringLiteral("删除房间")},
        {[this] { addRoom(); }, [this] { deleteRoom(); }, [this](int offset) { moveRoom(offset); }});
    below->addStretch();

    auto *form = new QFormLayout;
    m_diversity = new QLineEdit(this);
    m_diversity->setAccessibleName(QStringLiteral("同时使用系数"));
    m_diversity->setToolTip(QStringLiteral("常用 %1–%2，默认 %3")
                                .arg(rooms::Diversity.low)
                                .arg(rooms::Diversity.high)
                                .arg(rooms::Diversity.defaultValue));
    form->addRow(QStringLiteral("同时使用系数："), m_diversity);
    connect(m_diversity, &QLineEdit::textEdited, this, [this](const QString &typed) {
        const rooms::CellValue diversity = rooms::ReadDiversity(typed);
        refuse(diversity.refusal);
        if (!diversity.value)
            return;
        m_job.diversity = *diversity.value;
        changed();
    });
    m_outdoor = new QComboBox(this);
    m_outdoor->setAccessibleName(QStringLiteral("室外机"));
    m_outdoor->addItem(kNoOutdoor);
    for (const refrigerant::OutdoorModel &model : refrigerant::OutdoorModels)
        m_outdoor->addItem(
            QStringLiteral("%1（%2 kW）").arg(model.name).arg(model.capacity), model.name.toString());
    m_outdoor->addItem(kOtherMake, kOtherMakeData);
    form->addRow(QStringLiteral("室外机："), m_outdoor);
    connect(m_outdoor, &QComboBox::activated, this, [this](int chosen) {
        const QString model = m_outdoor->itemData(chosen).toString();
        m_job.otherOutdoorChosen = model == kOtherMakeData;
        m_job.outdoorModel = m_job.otherOutdoorChosen ? QString() : model;
        showOutdoor();
        changed();
    });
    below->addLayout(form);
    below->addWidget(buildOtherOutdoor());

    auto *suggest = new QToolButton(this);
    suggest->setText(QStringLiteral("建议室外机"));
    connect(suggest, &QToolButton::clicked, this, &RoomsPart::suggestOutdoor);
    below->addWidget(suggest);
    auto *fill = new QAction(QStringLiteral("填入加氟计算"), this);
    fill->setShortcut(kFillKey);
    fill->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    fill->setToolTip(QStringLiteral("填入加氟计算（%1）").arg(kFillKey.toString(QKeySequence::NativeText)));
    addAction(fill);
    auto *fillButton = new QToolButton(this);
    fillButton->setDefaultAction(fill);
    below->addWidget(fillButton);
    connect(fill, &QAction::triggered, this, &RoomsPart::fillRefrigerant);
    return below;
}

QWidget *RoomsPart::buildOtherOutdoor()
{
    m_otherOutdoor = new QWidget(this);
    auto *row = new QHBoxLayout(m_otherOutdoor);
    row->setContentsMargins({});
    m_otherModel = new QLineEdit(m_otherOutdoor);
    m_otherModel->setAccessibleName(QStringLiteral("其他品牌室外机型号"));
    m_otherModel->setPlaceholderText(QStringLiteral("型号"));
    m_otherModel->setMaxLength(int(MaxTextLength));
    m_otherCapacity = new QLineEdit(m_otherOutdoor);
    m_otherCapacity->setAccessibleName(QStringLiteral("其他品牌室外机制冷量"));
    m_otherCapacity->setPlaceholderText(QStringLiteral("制冷量"));
    row->addWidget(m_otherModel);
    row->addWidget(m_otherCapacity);
    row->addWidget(new QLabel(QStringLiteral("kW"), m_otherOutdoor));
    connect(m_otherModel, &QLineEdit::textEdited, this, [this](const QString &typed) {
        m_job.otherOutdoorModel = typed;
        changed();
    });
    connect(m_otherCapacity, &QLineEdit::textEdited, this, [this](const QString &typed) {
        const rooms::CellValue capacity = rooms::ReadCapacity(typed);
        refuse(capacity.refusal);
        if (!capacity.value)
            return;
        m_job.otherOutdoorCapacity = *capacity.value;
        changed();
    });
    return m_otherOutdoor;
}

void RoomsPart::addRoom()
{
    if (m_job.rooms.size() >= rooms::MaxRooms) {
        refuse(QStringLiteral("最多 %1 个房间").arg(rooms::MaxRooms));
        return;
    }
    const rooms::RoomType &type = rooms::RoomTypes.front();
    rooms::Room room;
    room.type = type.name.toString();
    room.index = Centi(type.defaultIndex) * 100;
    m_job.rooms.append(room);
    showRooms();
    changed();
    const int row = m_table->rowCount() - 1;
    m_table->setCurrentCell(row, Name);
    m_table->setFocus();
    m_table->editItem(m_table->item(row, Name));
}

void RoomsPart::deleteRoom()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_job.rooms.removeAt(row);
    showRooms();
    changed();
    m_table->setCurrentCell(std::min(row, m_table->rowCount() - 1), Name);
}

void RoomsPart::moveRoom(int offset)
{
    const int row = m_table->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= m_table->rowCount())
        return;
    m_job.rooms.swapItemsAt(row, target);
    const int column = m_table->currentColumn();
    showRooms();
    m_table->setCurrentCell(target, column);
    changed();
}

void RoomsPart::showRooms()
{
    m_showing = true;
    m_table->setRowCount(static_cast<int>(m_job.rooms.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            auto *item = new QTableWidgetItem;
            if (std::find(std::begin(kComputed), std::end(kComputed), column) != std::end(kComputed))
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column != Name && column != Type && column != Model && column != Check)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        showComputed(row);
    }
    m_diversity->setText(decimal(m_job.diversity));
    m_otherModel->setText(m_job.otherOutdoorModel);
    m_otherCapacity->setText(typedDecimal(m_job.otherOutdoorCapacity));
    showOutdoor();
    m_showing = false;
    showSummary();
}

void RoomsPart::showOutdoor()
{
    m_outdoor->setCurrentIndex(
        std::max(0, m_outdoor->findData(m_job.otherOutdoorChosen ? kOtherMakeData : m_job.outdoorModel)));
    m_otherOutdoor->setVisible(m_job.otherOutdoorChosen);
}

void RoomsPart::showComputed(int row)
{
    const bool showing = m_showing;
    m_showing = true;
    const rooms::Room &room = m_job.rooms[row];
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_table->item(row, column)->setText(roomCell(room, column));
    const rooms::RoomType *type = rooms::FindRoomType(room.type);
    m_table->item(row, Index)->setToolTip(type ? rooms::IndexRangeText(*type) : QString());
    m_showing = showing;
}

void RoomsPart::cellEdited(QTableWidgetItem *item)
{
    if (m_showing)
        return;
    const int row = item->row();
    rooms::Room &room = m_job.rooms[row];
    rooms::Room edited = room;
    const QString typed = item->text();
    QString refusal;
    const auto take = [&refusal](const rooms::CellValue &read, auto &member) {
        if (read.value)
            member = static_cast<std::remove_reference_t<decltype(member)>>(*read.value);
        refusal = read.refusal;
    };
    switch (item->column()) {
    case Name:
        edited.name = typed.left(MaxTextLength);
        break;
    case Type:
        edited.type = typed.left(MaxTextLength);
        // A type of the list brings its default index; a name of the user's own keeps the index.
        if (const rooms::RoomType *type = rooms::FindRoomType(typed))
            edited.index = Centi(type->defaultIndex) * 100;
        else if (const OwnRoomType *own = findOwnType(m_ownTypes, typed))
            edited.index = own->index;
        break;
    case Area:
        take(rooms::ReadArea(typed), edited.area);
        break;
    case Index:
        take(rooms::ReadIndex(typed), edited.index);
        break;
    case Model:
        edited.unit.model = typed.left(MaxTextLength);
        break;
    case Capacity:
        take(rooms::ReadCapacity(typed), edited.unit.capacity);
        break;
    case Count:
        take(rooms::ReadCount(typed), edited.unit.count);
        break;
    default:
        break;
    }
    refuse(refusal);
    const bool taken = refusal.isEmpty() && !(edited == room);
    if (refusal.isEmpty())
        room = edited;
    if (taken)
        noteOwnType(room);
    // The cells show what the room now holds: a value that was not taken shows the one before.
    showComputed(row);
    showSummary();
    if (taken)
        changed();
}

void RoomsPart::showSummary()
{
    const rooms::Summary summary = rooms::Summarize(m_job.rooms, m_job.diversity);
    QString text = QStringLiteral(
        "房间负荷合计 %1 kW，室内机制冷量合计 %2 kW，同时使用系数 %3 时负荷 %4 kW，室内机 %5 台。")
                       .arg(decimal(summary.load), decimal(summary.indoorCapacity), decimal(m_job.diversity),
                           decimal(summary.diversifiedLoad))
                       .arg(summary.units);
    QStringList under;
    for (qsizetype row : summary.underCapacity)
        under << QString::number(row + 1);
    if (!under.isEmpty())
        text += QStringLiteral("第 %1 行房间的室内机制冷量小于负荷。").arg(under.join(u'、'));
    m_summary->setText(text);
}

void RoomsPart::suggestOutdoor()
{
    const std::optional<qsizetype> model
        = rooms::SuggestOutdoor(rooms::Summarize(m_job.rooms, m_job.diversity));
    if (!model) {
        refuse(rooms::NoOutdoorFits.toString());
        return;
    }
    refuse({});
    m_job.outdoorModel = refrigerant::OutdoorModels[*model].name.toString();
    m_job.otherOutdoorChosen = false;
    showOutdoor();
    changed();
}

void RoomsPart::fillRefrigerant()
{
    const rooms::Summary summary = rooms::Summarize(m_job.rooms, m_job.diversity);
    const std::optional<qsizetype> model = rooms::FindOutdoorModel(m_job.outdoorModel);
    if (summary.units == 0 || summary.indoorCapacity == 0) {
        refuse(QStringLiteral("还没有室内机的制冷量可填入"));
        return;
    }
    if (!model && !m_job.otherOutdoorChosen) {
        refuse(QStringLiteral("请先选择室外机"));
        return;
    }
    if (m_job.otherOutdoorChosen && m_job.otherOutdoorCapacity == 0) {
        refuse(QStringLiteral("请填写其他品牌室外机的制冷量"));
        return;
    }
    if (!m_refrigerant)
        return;
    refuse({});
    // The page is shown first, so that its messages come up over it; the pipe runs' liquid lengths
    // go with the units, once there are runs.
    Q_EMIT pageAsked(m_refrigerantLines);
    const piping::Sums pipes = piping::Sum(m_job.runs, m_job.allowance);
    const auto lengths = m_job.runs.isEmpty() ? std::span<const rooms::Centi>()
                                              : std::span<const rooms::Centi>(pipes.liquid);
    if (m_job.otherOutdoorChosen)
        m_refrigerant->takeOtherMake(lengths);
    else
        m_refrigerant->takeIndoorUnits(summary.units, summary.indoorCapacity, *model, lengths);
}

void RoomsPart::noteOwnType(const rooms::Room &room)
{
    if (room.type.trimmed().isEmpty() || rooms::FindRoomType(room.type))
        return;
    const OwnRoomType noted {room.type, room.index};
    const auto kept = std::find_if(m_ownTypes.begin(), m_ownTypes.end(),
        [&noted](const OwnRoomType &type) { return type.name == noted.name; });
    if (kept != m_ownTypes.end() && *kept == noted)
        return;
    if (kept != m_ownTypes.end())
        *kept = noted;
    else if (m_ownTypes.size() < MaxOwnRoomTypes)
        m_ownTypes.append(noted);
    if (m_keepTypes->isChecked())
        keepOwnTypes();
}

void RoomsPart::keepOwnTypes()
{
    const QString failure = m_keepTypes->isChecked() ? RememberRoomTypes(m_ownTypes) : ForgetRoomTypes();
    if (!failure.isEmpty())
        refuse(QStringLiteral("无法记住自定义房间类型：%1").arg(failure));
}

void RoomsPart::refuse(const QString &reason)
{
    m_notice->setText(reason.isEmpty() || reason.endsWith(u'。') ? reason : reason + u'。');
}

void RoomsPart::changed()
{
    if (m_showing)
        return;
    showSummary();
    Q_EMIT edited();
}

} // namespace kalmoro
