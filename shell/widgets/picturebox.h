#pragma once

#include <QColor>

#include "images.h"
#include "windowdrag.h"

namespace kalmoro {

// A picture, or a plain colour strip when it has none. A press on it moves the window.
class PictureBox final : public DragArea
{
    Q_OBJECT
    Q_PROPERTY(QString image READ image)
public:
    using DragArea::DragArea;

    QString image() const { return m_image; }
    void setImage(const QString &assetName);
    void setStripColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_image;
    assets::ScreenPixmap m_pixmap;
    QColor m_strip;
};

} // namespace kalmoro
