#pragma once

#include <QPoint>
#include <QWidget>

class QMouseEvent;

namespace kalmoro {

// Moves the top-level window when the user drags on a place that stands in for a caption bar.
// The move starts only once the pointer has left the press point by the drag distance, so a
// double click still reaches the control that was pressed.
class WindowDrag final
{
public:
    // Call from the control's press and move handlers; they return true when they took the event.
    bool press(QWidget *control, QMouseEvent *event);
    bool move(QWidget *control, QMouseEvent *event);
    void release() { m_armed = false; }

private:
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;
    bool m_armed = false;
    bool m_moving = false;
};

} // namespace kalmoro

namespace kalmoro {

// A control that stands in for a caption bar (and the borderless window's own background): a press
// on it moves the window instead of being delivered; a double click is still delivered, as
// doubleClicked().
class DragArea : public QWidget
{
    Q_OBJECT
public:
    explicit DragArea(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

Q_SIGNALS:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    WindowDrag m_drag;
};

} // namespace kalmoro
