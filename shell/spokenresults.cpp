#include "spokenresults.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "screenreader.h"

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
    QPointer<QWidget> told; // the control whose name tells results
    QString own; // its own name, given back when the focus leaves it
    bool watching = false;
};

State &state()
{
    static State held;
    return held;
}

void giveBack()
{
    State &held = state();
    if (QWidget *control = held.told)
        control->setAccessibleName(held.own);
    held.told = nullptr;
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
        // the new control and does not read the old one's name as news.
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *) {
            if (old && old == state().told) {
                QTimer::singleShot(0, qApp, [] {
                    if (state().told && !state().told->hasFocus())
                        giveBack();
                });
            }
        });
    }
    if (held.told != focused) {
        giveBack();
        held.told = focused;
        held.own = focused->accessibleName();
    }
    focused->setAccessibleName(text);
    platform::TellNameChanged(*focused);
}

} // namespace kalmoro
