#pragma once

#include <array>

#include <QAbstractButton>
#include <QStringList>

#include "images.h"

namespace kalmoro {

// A push button drawn entirely from up to four pictures: normal, hover, pressed and disabled.
// Press, release and click semantics are QAbstractButton's; this class adds the hover state
// and the image slots.
class GraphicButton final : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QStringList images READ images)
    Q_PROPERTY(QString shownImage READ shownImage)
public:
    enum Slot { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit GraphicButton(QWidget *parent = nullptr);

    // Sets the asset shown in slot; an empty name empties the slot.
    void setImage(Slot slot, const QString &assetName);
    QString image(Slot slot) const { return m_images[slot]; }
    QStringList images() const { return {m_images.begin(), m_images.end()}; }

    // The asset of the slot the button shows in its current state.
    QString shownImage() const { return m_images[shownSlot()]; }

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

    std::array<QString, 4> m_images;
    std::array<assets::ScreenPixmap, 4> m_pixmaps;
    bool m_hover = false;
    Slot m_drawnSlot = Normal;
};

} // namespace kalmoro
