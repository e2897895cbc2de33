#pragma once

#include <span>
#include <string_view>
#include <thread>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "catalogue.h"

namespace kalmoro::assets {

// The asset decoded and composed over white, at its catalogue size; a null image when the name is
// unknown or its file cannot be decoded.
QImage LoadImage(std::string_view name);

// The picture set that suits a screen of the given device pixel ratio: 2 (the double-size
// pictures) above 1, 1 otherwise.
int ScaleFor(qreal devicePixelRatio);

// The asset as LoadImage gives it, from the set of the given scale, as a pixmap whose device pixel
// ratio is that scale. Each picture is decoded once per scale (copies of a picture share it) and
// then served from a cache indexed by catalogue row.
QPixmap LoadPixmap(const AssetInfo &asset, int scale);

// Decodes the named pictures of the set of the given scale on another thread, in order, so that
// LoadPixmap finds them decoded; LoadPixmap waits for one still being decoded. Unknown names and
// pictures already loaded or on their way are passed over. Destroying the returned thread stops
// the decoding after the current picture; those left are then decoded when first loaded.
std::jthread DecodeAhead(std::span<const std::string_view> names, int scale);

// The pixmap a widget paints one asset with. The name is looked up once, when it is given;
// painting takes the pixmap from the cache again only when the widget's device pixel ratio has
// moved to the other picture set (the window went to another screen, or the screen's scale changed).
class ScreenPixmap final
{
public:
    ScreenPixmap() = default;
    explicit ScreenPixmap(std::string_view name);

    // Null when there is no asset or it cannot be decoded.
    const QPixmap &at(qreal devicePixelRatio);

private:
    const AssetInfo *m_asset = nullptr;
    int m_scale = 0;
    QPixmap m_pixmap;
};

// The program's icon, with its transparent surroundings kept.
QIcon ProgramIcon();

} // namespace kalmoro::assets
