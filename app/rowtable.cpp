#include "rowtable.h"

#include <QAccessible>
#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#include "palette.h"

namespace kalmoro {

namespace {

class RowKeys final : public QObject
{
public:
    RowKeys(RowHandlers handlers, QObject *parent)
        : QObject(parent)
        , m_handlers(std::move(handlers))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        const bool ours = pressed == kAddRowKey || pressed == kDeleteRowKey || pressed == kRowUpKey
            || pressed == kRowDownKey;
        if (!ours)
            return QObject::eventFilter(watched, event);
        // Overridden, the key comes to the table as a key press rather than as the window's shortcut.
        event->accept();
        if (event->type() == QEvent::ShortcutOverride)
            return true;
        if (pressed == kAddRowKey)
            m_handlers.add();
        else if (pressed == kDeleteRowKey)
            m_handlers.remove();
        else
            m_handlers.move(pressed == kRowUpKey ? -1 : 1);
        return true;
    }

private:
    RowHandlers m_handlers;
};

} // namespace

void AddRowButtons(QTableWidget &table, QBoxLayout &below, const RowCaptions &captions, RowHandlers handlers)
{
    QWidget *owner = table.parentWidget();
    const auto button = [owner, &below](const QString &caption, const QKeySequence &key) {
        auto *action = new QAction(caption, owner);
        action->setToolTip(QStringLiteral("%1（%2）").arg(caption, key.toString(QKeySequence::NativeText)));
        auto *tool = new QToolButton(owner);
        tool->setDefaultAction(action);
        below.addWidget(tool);
        return action;
    };
    QObject::connect(button(captions.add, kAddRowKey), &QAction::triggered, owner, handlers.add);
    QObject::connect(button(captions.remove, kDeleteRowKey), &QAction::triggered, owner, handlers.remove);
    QObject::connect(button(QStringLiteral("上移"), kRowUpKey), &QAction::triggered, owner,
        [move = handlers.move] { move(-1); });
    QObject::connect(button(QStringLiteral("下移"), kRowDownKey), &QAction::triggered, owner,
        [move = handlers.move] { move(1); });
    // The table would take the add key as its copy; anywhere else in the part the key comes up to
    // the part before the window's shortcuts.
    auto *keys = new RowKeys(std::move(handlers), &table);
    table.installEventFilter(keys);
    owner->installEventFilter(keys);
}

QTableWidget *NewJobTable(
    QWidget &part, const QString &name, std::span<const std::u16string_view> captions, int stretched)
{
    auto *created = new QTableWidget(0, static_cast<int>(captions.size()), &part);
    QTableWidget &table = *created;
    table.setAccessibleName(name);
    QStringList headers;
    for (const std::u16string_view caption : captions)
        headers << QString::fromUtf16(caption.data(), static_cast<qsizetype>(caption.size()));
    table.setHorizontalHeaderLabels(headers);
    table.horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setTabKeyNavigation(false);
    QObject::connect(&table, &QAbstractItemView::activated, &table,
        [&table](const QModelIndex &cell) { table.edit(cell); });
    table.setItemDelegate(new NamedCellEditors(&table));
    return created;
}

QLabel *NewRefusalNotice(QWidget &part, const QString &name)
{
    auto *notice = new QLabel(&part);
    notice->setAccessibleName(name);
    QPalette colours = notice->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(palette::kDarkRed));
    notice->setPalette(colours);
    return notice;
}

void TellCellChanged(QTableWidget &table, int row, int column)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(&table);
    if (!interface || !interface->tableInterface())
        return;
    if (QAccessibleInterface *cell = interface->tableInterface()->cellAt(row, column)) {
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void NameCellEditor(QWidget &editor, const QModelIndex &cell)
{
    editor.setAccessibleName(QStringLiteral("%1 第 %2 行")
                                 .arg(cell.model()->headerData(cell.column(), Qt::Horizontal).toString())
                                 .arg(cell.row() + 1));
}

QWidget *NamedCellEditors::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &cell) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, cell);
    if (editor)
        NameCellEditor(*editor, cell);
    return editor;
}

ChoiceDelegate::ChoiceDelegate(std::function<QStringList()> choices, QObject *parent, QString accessibleName)
    : QStyledItemDelegate(parent)
    , m_accessibleName(std::move(accessibleName))
    , m_choices(std::move(choices))
{
}

QWidget *ChoiceDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &cell) const
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    if (m_accessibleName.isEmpty())
        NameCellEditor(*box, cell);
    else
        box->setAccessibleName(m_accessibleName);
    box->addItems(m_choices());
    return box;
}

void ChoiceDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    box->setCurrentText(index.data().toString());
    // What is typed takes the cell's place, as in the other cells.
    box->lineEdit()->selectAll();
}

void ChoiceDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText());
}

} // namespace kalmoro
