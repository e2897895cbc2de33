#include "inputhold.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

namespace kalmoro {

namespace {
// What the user does, which must not be lost. Not held: a shortcut override, which asks whether a
// key is wanted before the key comes and is answered at once; where the pointer is (enter and
// hover), which is told again as it moves.
bool isAction(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::ShortcutOverride:
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        return false;
    default:
        return event.isInputEvent();
    }
}
} // namespace

InputHold::InputHold(QWidget &window)
    : m_window(&window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void InputHold::release()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Sent again, not spontaneous: a key is offered to the shortcuts first, as a typed one is.
    for (auto &[receiver, event] : std::exchange(m_held, {})) {
        if (receiver)
            QCoreApplication::sendEvent(receiver, event.get());
    }
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    if (isAction(*event) && isForWindow(watched)) {
        m_held.emplace_back(watched, event->clone());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool InputHold::isForWindow(QObject *receiver) const
{
    if (!m_window)
        return false;
    if (receiver == m_window->windowHandle())
        return true;
    const auto *widget = qobject_cast<const QWidget *>(receiver);
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}

} // namespace kalmoro
