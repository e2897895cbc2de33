#include "spokenresults.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace kalmoro {

namespace {

struct Noted {
    const QWidget *result;
    QString spoken;
};

// The one thread's state: handlers run one at a time, each to its end.
struct State {
    int open = 0;
    QList<Noted> noted;
    QPointer<QWidget> told; // the control whose description tells results
    QPersistentModelIndex cell; // in a view, the cell that tells them: the view's focus is there
    QString own; // its own description, given back when the focus leaves it
    bool watching = false;
};

State &state()
{
    static State held;
    return held;
}

// The cell a screen reader follows while the view has the focus: its current one.
QModelIndex focusedCell(const QWidget &control)
{
    const auto *view = qobject_cast<const QAbstractItemView *>(&control);
    return view ? view->currentIndex() : QModelIndex();
}

// QWidget tells screen readers nothing when its description changes; a cell's description is its
// data in the model, set without the model's signals, as no one but screen readers reads it.
void describe(QWidget &control, const QModelIndex &cell, const QString &text)
{
    if (!cell.isValid()) {
        control.setAccessibleDescription(text);
        QAccessibleEvent changed(&control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
        return;
    }
    QAbstractItemModel *model = const_cast<QAbstractItemModel *>(cell.model());
    {
        const QSignalBlocker quiet(model);
        model->setData(cell, text, Qt::AccessibleDescriptionRole);
    }
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(&control);
    QAccessibleTableInterface *table = view ? view->tableInterface() : nullptr;
    if (QAccessibleInterface *shown = table ? table->cellAt(cell.row(), cell.column()) : nullptr) {
        QAccessibleEvent changed(shown, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void giveBack()
{
    State &held = state();
    if (QWidget *control = held.told)
        describe(*control, held.cell, held.own);
    held.told = nullptr;
    held.cell = QPersistentModelIndex();
}

} // namespace

SpokenResults::SpokenResults()
{
    ++state().open;
}

SpokenResults::~SpokenResults()
{
    State &held = state();
    if (--held.open > 0)
        return;
    QStringList spoken;
    for (const Noted &noted : std::as_const(held.noted))
        spoken << noted.spoken;
    held.noted.clear();
    if (!spoken.isEmpty())
        TellFocused(spoken.join(QStringLiteral("，")));
}

void NoteResult(const QWidget &result, const QString &spoken)
{
    State &held = state();
    if (held.open == 0)
        return;
    for (Noted &noted : held.noted) {
        if (noted.result == &result) {
            noted.spoken = spoken;
            return;
        }
    }
    held.noted.append({&result, spoken});
}

void TellFocused(const QString &text)
{
    State &held = state();
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    if (!held.watching) {
        held.watching = true;
        // Given back after the focus event has gone out, so that a screen reader already follows
        // the new control and does not read the old one's description as news.
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *) {
            if (old && old == state().told)
                QTimer::singleShot(0, qApp, [] {
                    if (state().told && !state().told->hasFocus())
                        giveBack();
                });
        });
    }
    const QModelIndex cell = focusedCell(*focused);
    if (held.told != focused || held.cell != cell) {
        giveBack();
        held.told = focused;
        held.cell = cell;
        held.own = cell.isValid() ? cell.data(Qt::AccessibleDescriptionRole).toString()
                                  : focused->accessibleDescription();
    }
    describe(*focused, cell, text);
}

} // namespace kalmoro
