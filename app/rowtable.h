#pragma once

#include <functional>

#include <QKeySequence>
#include <QStringList>
#include <QStyledItemDelegate>

class QBoxLayout;
class QTableWidget;

namespace kalmoro {

// The keys of a part's table: those of the quotation's lines.
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
// taken in the table, so that they do not reach the quotation's lines.
void AddRowButtons(QTableWidget &table, QBoxLayout &below, const RowCaptions &captions, RowHandlers handlers);

// A cell edited in a box that offers choices and takes any text typed, named for screen readers.
class ChoiceDelegate final : public QStyledItemDelegate
{
public:
    ChoiceDelegate(QString accessibleName, std::function<QStringList()> choices, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QString m_accessibleName;
    std::function<QStringList()> m_choices;
};

} // namespace kalmoro
