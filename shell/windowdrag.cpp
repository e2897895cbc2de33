#include "windowdrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "platform.h"

namespace kalmoro {

bool WindowDrag::press(QWidget *control, QMouseEvent *event)
{
    // Only a press aimed at the control itself counts; a press that a child ignored and Qt
    // passed on to its parent is not a press on a caption stand-in.
    if (event->button() != Qt::LeftButton || control->childAt(event->position().toPoint()))
        return false;
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowAtPress = control->window()->pos();
    m_armed = true;
    m_moving = false;
    return true;
}

bool WindowDrag::move(QWidget *control, QMouseEvent *event)
{
    if (!m_armed || !(event->buttons() & Qt::LeftButton))
        return false;
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    if (!m_moving && delta.manhattanLength() < QApplication::startDragDistance())
        return true;
    m_moving = true;
    QWidget *window = control->window();
    if (platform::CanPlaceOwnWindow()) {
        // The window follows the pointer itself, so the point pressed stays under the cursor. A
        // system move started this late would lag by the distance already travelled: Qt hands the
        // window manager the last pointer position relative to the window's current place.
        window->move(m_windowAtPress + delta);
    } else if (window->windowHandle() && window->windowHandle()->startSystemMove()) {
        m_armed = false;
    }
    return true;
}

} // namespace kalmoro

namespace kalmoro {

DragArea::DragArea(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setFocusPolicy(Qt::NoFocus);
}

void DragArea::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(this, event);
    event->accept();
}

void DragArea::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(this, event);
    event->accept();
}

void DragArea::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release();
    event->accept();
}

void DragArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_drag.release();
    event->accept();
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace kalmoro
