#include "widgets/graphicbutton.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalmoro {

GraphicButton::GraphicButton(assets::PictureStore &pictures, QWidget *parent)
    : QAbstractButton(parent)
    , m_pictures(pictures)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphicButton::setImage(Slot slot, std::optional<assets::Asset> asset)
{
    m_images[slot] = asset;
    m_pixmaps[slot] = asset ? assets::ScreenPixmap(m_pictures, *asset) : assets::ScreenPixmap();
    if (shownSlot() == slot || m_drawnSlot == slot)
        update();
}

QSize GraphicButton::sizeHint() const
{
    return size();
}

GraphicButton::Slot GraphicButton::shownSlot() const
{
    if (!isEnabled())
        return !m_images[Disabled] ? Normal : Disabled;
    if (isDown())
        return !m_images[Pressed] ? Normal : Pressed;
    if (m_hover)
        return !m_images[Hover] ? Normal : Hover;
    return Normal;
}

void GraphicButton::paintEvent(QPaintEvent *)
{
    const Slot slot = shownSlot();
    m_drawnSlot = slot;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QPixmap &pixmap = m_pixmaps[slot].at(devicePixelRatioF());
    if (!pixmap.isNull())
        painter.drawPixmap(0, 0, pixmap);
}

void GraphicButton::setHover(bool hover)
{
    if (m_hover == hover)
        return;
    const Slot before = shownSlot();
    m_hover = hover;
    if (shownSlot() != before)
        update();
}

void GraphicButton::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    // A press with another button is not the button's, but it must not reach the window either.
    event->accept();
}

void GraphicButton::mouseReleaseEvent(QMouseEvent *event)
{
    // After a click the button shows its normal face until the mouse moves again, so a click
    // handler that replaces the normal image shows the new image at once.
    m_hover = false;
    QAbstractButton::mouseReleaseEvent(event);
    update();
}

void GraphicButton::mouseMoveEvent(QMouseEvent *event)
{
    QAbstractButton::mouseMoveEvent(event);
    setHover(rect().contains(event->position().toPoint()));
}

void GraphicButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHover(true);
}

void GraphicButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHover(false);
}

void GraphicButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

} // namespace kalmoro
