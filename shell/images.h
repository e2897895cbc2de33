#pragma once

#include <array>
#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "catalogue.h"

namespace kalmoro::assets {

// The asset decoded and composed over white, at its catalogue size; a null image when its file
// cannot be decoded.
QImage LoadImage(Asset asset);

// The picture set that suits a screen of the given device pixel ratio: 2 (the double-size
// pictures) above 1, 1 otherwise.
int ScaleFor(qreal devicePixelRatio);

// The pictures the program has decoded: each picture once per scale (copies of a picture share
// it), indexed by catalogue row. Pixmaps need the application, so the program owns its store and
// no pixmap outlives it.
class PictureStore final
{
public:
    PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // The asset as LoadImage gives it, from the set of the given scale, as a pixmap whose device
    // pixel ratio is that scale.
    QPixmap pixmap(Asset asset, int scale);

    // Decodes the given pictures of the set of the given scale on another thread, in order, so that
    // pixmap() finds them decoded, waiting for one still being decoded and decoding itself one not
    // yet begun. Pictures already loaded or on their way are passed over. The store's end stops the
    // decoding after the current picture.
    void decodeAhead(std::span<const Asset> pictures, int scale);

private:
    // One picture at one scale: the pixmap once loaded, or the picture being decoded ahead. Only
    // the GUI thread touches these; the decoding threads only fulfil their promises.
    struct Loaded {
        std::optional<QPixmap> pixmap;
        std::future<QImage> ahead;
        // Set by the thread that decodes the picture: the other one, or this one when it needs the
        // picture before the other has begun it.
        std::shared_ptr<std::atomic<bool>> claimed;
    };
    Loaded &loadedAt(Asset asset, int scale);

    std::vector<std::array<Loaded, 2>> m_loaded;
    // Last, so that the threads stop before the pictures they decode for go.
    std::vector<std::jthread> m_decodingAhead;
};

// The pixmap a widget paints one asset with. Painting takes the pixmap from the store again only
// when the widget's device pixel ratio has moved to the other picture set (the window went to
// another screen, or the screen's scale changed).
class ScreenPixmap final
{
public:
    ScreenPixmap() = default;
    ScreenPixmap(PictureStore &store, Asset asset);

    // Null when there is no asset or it cannot be decoded.
    const QPixmap &at(qreal devicePixelRatio);

private:
    PictureStore *m_store = nullptr;
    Asset m_asset {};
    int m_scale = 0;
    QPixmap m_pixmap;
};

// The program's icon, with its transparent surroundings kept.
QIcon ProgramIcon();

} // namespace kalmoro::assets
