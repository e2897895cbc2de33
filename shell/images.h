#pragma once

#include <optional>
#include <span>
#include <thread>

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

// The asset as LoadImage gives it, from the set of the given scale, as a pixmap whose device pixel
// ratio is that scale. Each picture is decoded once per scale (copies of a picture share it) and
// then served from a cache indexed by catalogue row.
QPixmap LoadPixmap(Asset asset, int scale);

// Decodes the given pictures of the set of the given scale on another thread, in order, so that
// LoadPixmap finds them decoded; LoadPixmap waits for one still being decoded. Pictures already
// loaded or on their way are passed over. Destroying the returned thread stops
// the decoding after the current picture; those left are then decoded when first loaded.
std::jthread DecodeAhead(std::span<const Asset> pictures, int scale);

// The pixmap a widget paints one asset with. Painting takes the pixmap from the cache again only when the
// widget's device pixel ratio has moved to the other picture set (the window went to another screen, or the
// screen's scale changed).
class ScreenPixmap final
{
public:
    ScreenPixmap() = default;
    explicit ScreenPixmap(Asset asset);

    // Null when there is no asset or it cannot be decoded.
    const QPixmap &at(qreal devicePixelRatio);

private:
    std::optional<Asset> m_asset;
    int m_scale = 0;
    QPixmap m_pixmap;
};

// The program's icon, with its transparent surroundings kept.
QIcon ProgramIcon();

} // namespace kalmoro::assets
