#pragma once

#include <optional>

#include <QColor>

#include "images.h"
#include "windowdrag.h"

namespace kalmoro {

// A picture, or a plain colour strip when it has none. A press on it moves the window.
class PictureBox final : public DragArea
{
    Q_OBJECT
public:
    explicit PictureBox(assets::PictureStore &pictures, QWidget *parent = nullptr);

    std::optional<assets::Asset> image() const { return m_image; }
    void setImage(assets::Asset asset);
    void setStripColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    assets::PictureStore &m_pictures;
    std::optional<assets::Asset> m_image;
    assets::ScreenPixmap m_pixmap;
    QColor m_strip;
};

} // namespace kalmoro
