#include "widgets/picturebox.h"

#include <QPainter>

namespace kalmoro {

PictureBox::PictureBox(assets::PictureStore &pictures, QWidget *parent)
    : DragArea(parent)
    , m_pictures(pictures)
{
}

void PictureBox::setImage(assets::Asset asset)
{
    m_image = asset;
    m_pixmap = assets::ScreenPixmap(m_pictures, asset);
    update();
}

void PictureBox::setStripColor(const QColor &color)
{
    m_strip = color;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_strip.isValid())
        painter.fillRect(rect(), m_strip);
    const QPixmap &pixmap = m_pixmap.at(devicePixelRatioF());
    if (!pixmap.isNull())
        painter.drawPixmap(0, 0, pixmap);
}

} // namespace kalmoro
