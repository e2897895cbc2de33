#pragma once

#include <functional>
#include <vector>

#include "images.h"
#include "windowdrag.h"

namespace kalmoro {

class PageTab;

inline constexpr QSize kWindowSize {1080, 695};

// Where a window of size window is centred on a screen of size screen: integer division, and a
// negative position on a screen smaller than the window is kept as it is.
constexpr QPoint CentredPosition(QSize screen, QSize window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

// The program's one window: borderless, fixed size, painted with the skin. Its controls are
// found by their names.
class MainWindow final : public DragArea
{
    Q_OBJECT
public:
    MainWindow();

    template <typename T = QWidget> T *control(const QString &name) const { return findChild<T *>(name); }

    // Closes the window once the current handler has returned; only the close guard asks first.
    void requestClose();
    // Asked whenever the window is about to close, by any way; it stays open when this gives false.
    void setCloseGuard(std::function<bool()> guard);

    // The pictures its controls paint with; they live as long as the window.
    assets::PictureStore &pictures() { return m_pictures; }

    // Starts decoding, on another thread, the skin and then the given pictures, which the first
    // frame will show, while the window is still being set up. Each call adds a thread.
    void decodeAhead(std::vector<assets::Asset> pictures);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<bool()> m_closeGuard;
    static constexpr assets::Asset kSkin = assets::Asset::img012;
    assets::PictureStore m_pictures;
    assets::ScreenPixmap m_skin {m_pictures, kSkin};
};

} // namespace kalmoro
