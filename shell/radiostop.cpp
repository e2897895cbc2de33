#include "radiostop.h"

#include <cstdlib>
#include <vector>

#include <QKeyEvent>

#include "widgets/radiobutton.h"

namespace kalmoro {

namespace {

// How far from the focused radio's centre a candidate lies along an arrow's direction, and how far
// across it; a candidate behind the arrow is none.
struct Offset {
    int along;
    int across;
};

Offset offsetFor(int key, QPoint delta)
{
    switch (key) {
    case Qt::Key_Right:
        return {delta.x(), delta.y()};
    case Qt::Key_Left:
        return {-delta.x(), delta.y()};
    case Qt::Key_Down:
        return {delta.y(), delta.x()};
    default:
        return {-delta.y(), delta.x()};
    }
}

bool isArrow(const QKeyEvent &key)
{
    const bool arrow = key.key() == Qt::Key_Left || key.key() == Qt::Key_Right || key.key() == Qt::Key_Up
        || key.key() == Qt::Key_Down;
    return arrow && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class RadioStop final : public QObject
{
public:
    explicit RadioStop(std::span<RadioButton *const> radios)
        : QObject(radios.front())
        , m_radios(radios.begin(), radios.end())
    {
        for (RadioButton *radio : m_radios) {
            radio->installEventFilter(this);
            connect(radio, &RadioButton::toggled, this, &RadioStop::placeStop);
        }
        // Qt leaves Tab to the radio of a group that took the focus last, for the whole group: the
        // stops are placed again after it.
        for (RadioButton *radio :
            m_radios.front()->parentWidget()->findChildren<RadioButton *>(Qt::FindDirectChildrenOnly))
            connect(radio, &RadioButton::focusTaken, this, &RadioStop::placeStop);
        placeStop();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !isArrow(*static_cast<QKeyEvent *>(event)))
            return false;
        auto *from = static_cast<RadioButton *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        RadioButton *next = nearest(*from, key);
        // Without a radio that way the arrow does nothing: a group's other stop is Tab's to reach.
        if (next == nullptr)
            return true;
        if (from->isChecked())
            next->click();
        next->setFocus(
            key == Qt::Key_Left || key == Qt::Key_Up ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }

private:
    // The one radio that Tab stops at: the checked one, else the first. The others still take the
    // focus from a click and the arrows.
    void placeStop()
    {
        RadioButton *stop = m_radios.front();
        for (RadioButton *radio : m_radios) {
            if (radio->isChecked())
                stop = radio;
        }
        for (RadioButton *radio : m_radios)
            radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    // The radio an arrow reaches: the nearest that way, a step across weighing twice a step along,
    // so that Down goes to the radio below rather than to the next in its row.
    RadioButton *nearest(const RadioButton &from, int key) const
    {
        const QPoint centre = from.mapTo(from.window(), from.rect().center());
        RadioButton *best = nullptr;
        int bestScore = 0;
        for (RadioButton *radio : m_radios) {
            if (radio == &from || !radio->isEnabled() || !radio->isVisible())
                continue;
            const Offset offset
                = offsetFor(key, radio->mapTo(radio->window(), radio->rect().center()) - centre);
            if (offset.along <= 0)
                continue;
            const int score = offset.along + 2 * std::abs(offset.across);
            if (best == nullptr || score < bestScore) {
                best = radio;
                bestScore = score;
            }
        }
        return best;
    }

    std::vector<RadioButton *> m_radios;
};

} // namespace

void MakeRadioStop(std::span<RadioButton *const> radios)
{
    if (!radios.empty())
        new RadioStop(radios);
}

} // namespace kalmoro
