#pragma once

#include <functional>
#include <span>
#include <string_view>

#include <QKeySequence>
#include <QStringList>
#include <QStyledItemDelegate>

class QBoxLayout;
class QLabel;
class QTableWidget;

namespace kalmoro {

// The keys that add, delete and move the rows of the job's tables: the quotation's lines and its parts'.
inline const QKeySequence kAddRowKey(Qt::CTRL | Qt::Key_Insert);
inline const QKeySequence kDeleteRowKey(Qt::CTRL | Qt::Key_Delete);
inline const QKeySequence kRowUpKey(Qt::ALT | Qt::Key_Up);
inline const QKeySequence kRowDownKey(Qt::ALT | Qt::Key_Down);

struct RowCaptions {
    QString add;
    QString remove;
};

struct RowHandlers {
    std::function<void()> add;
    std::function<void()> remove;
    std::function<void(int)> move; // by -1 or 1
};

// Buttons in below that add, delete and move the table's rows, named with their keys; the keys are
// taken anywhere in the table's part (its parent) that does not take them itself, so that they do
// not reach the quotation's lines.
void AddRowButtons(QTableWidget &table, QBoxLayout &below, const RowCaptions &captions, RowHandlers handlers);

// A table of the job in part, named name, with a column for each caption and the stretched one
// taking the width left. Whole rows are selected one at a time; Tab and Shift+Tab go on to the
// window's other controls, arrows move between the cells, Enter or F2 edits the current one, and
// each editor is named by its column and row.
QTableWidget *NewJobTable(
    QWidget &part, const QString &name, std::span<const std::u16string_view> captions, int stretched);

// The line in part that says in red why a cell or a row was refused, named name for screen readers.
QLabel *NewRefusalNotice(QWidget &part, const QString &name);

// Screen readers keep what they read until told that it changed, and Qt tells them nothing of a
// cell's text: tells them the cell's new text.
void TellCellChanged(QTableWidget &table, int row, int column);

// Names a cell's editor by its column's caption and its row ("单价（元） 第 1 行"), which screen
// readers read as it opens.
void NameCellEditor(QWidget &editor, const QModelIndex &cell);

// Each cell editor named by its column and row.
class NamedCellEditors final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &cell) const override;
};

// A cell edited in a box that offers choices and takes any text typed, named accessibleName for
// screen readers, or by its column and row when that is empty.
class ChoiceDelegate final : public QStyledItemDelegate
{
public:
    ChoiceDelegate(std::function<QStringList()> choices, QObject *parent, QString accessibleName = {});

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QString m_accessibleName;
    std::function<QStringList()> m_choices;
};

} // namespace kalmoro
