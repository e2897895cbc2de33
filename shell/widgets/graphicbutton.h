#pragma once

#include <array>
#include <optional>

#include <QAbstractButton>

#include "images.h"

namespace kalmoro {

// A push button drawn entirely from up to four pictures: normal, hover, pressed and disabled.
// Press, release and click semantics are QAbstractButton's; this class adds the hover state
// and the image slots.
class GraphicButton final : public QAbstractButton
{
    Q_OBJECT
public:
    enum Slot { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit GraphicButton(assets::PictureStore &pictures, QWidget *parent = nullptr);

    // Sets the asset shown in slot; none empties the slot.
    void setImage(Slot slot, std::optional<assets::Asset> asset);
    std::optional<assets::Asset> image(Slot slot) const { return m_images[slot]; }

    // The asset of the slot the button shows in its current state.
    std::optional<assets::Asset> shownImage() const { return m_images[shownSlot()]; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Slot shownSlot() const;
    void setHover(bool hover);

    assets::PictureStore &m_pictures;
    std::array<std::optional<assets::Asset>, 4> m_images;
    std::array<assets::ScreenPixmap, 4> m_pixmaps;
    bool m_hover = false;
    Slot m_drawnSlot = Normal;
};

} // namespace kalmoro
