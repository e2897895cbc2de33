#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string_view>

namespace kalmoro::assets {

// The asset decoded and composed over white, at its catalogue size; a null image when the name is
// unknown or its file cannot be decoded.
QImage LoadImage(std::string_view name);

// The asset as LoadImage gives it, as a pixmap for a screen of the given device pixel ratio: on
// high-density screens the double-size picture, so the window stays sharp at the same logical
// size. Each asset is decoded once and then served from a cache; controls call this when they
// first paint.
QPixmap LoadPixmap(std::string_view name, qreal devicePixelRatio = 1.0);

// The program's icon, with its transparent surroundings kept.
QIcon ProgramIcon();

} // namespace kalmoro::assets
