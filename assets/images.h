#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string_view>

namespace kalmoro::assets {

// The asset decoded and composed over white, at its catalogue size; a null image when the name is
// unknown or its file cannot be decoded. Each asset is decoded once and then served from a cache.
QImage LoadImage(std::string_view name);

// The asset as a pixmap for a screen of the given device pixel ratio: on high-density screens the
// double-size picture, so the window stays sharp at the same logical size.
QPixmap LoadPixmap(std::string_view name, qreal devicePixelRatio = 1.0);

// The program's icon, with its transparent surroundings kept.
QIcon ProgramIcon();

} // namespace kalmoro::assets
