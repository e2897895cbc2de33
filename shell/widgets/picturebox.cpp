#include "widgets/picturebox.h"

#include "images.h"

#include <QPainter>

namespace kalmoro {

void PictureBox::setImage(const QString &assetName)
{
    m_image = assetName;
    m_pixmap = QPixmap();
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
    if (m_image.isEmpty())
        return;
    if (m_pixmap.isNull())
        m_pixmap = assets::LoadPixmap(m_image.toStdString(), devicePixelRatioF());
    painter.drawPixmap(0, 0, m_pixmap);
}

} // namespace kalmoro
