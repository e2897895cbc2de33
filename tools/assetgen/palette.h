#pragma once

#include <QColor>

namespace kalmoro::assetgen {

// The program's colour vocabulary; every asset draws from these.
namespace colour {
inline const QColor kOrange {243, 126, 0}; // text and icons
inline const QColor kGrey {153, 153, 153}; // unselected text and icons
inline const QColor kGreen {51, 153, 0}; // hover and second-kind text
inline const QColor kBarOrange {255, 155, 0}; // bars, frames, orange button faces
inline const QColor kSkinFrame {255, 156, 3}; // the page frame of the window skin
inline const QColor kDarkRed {170, 20, 20}; // pressed title-bar symbols
inline const QColor kDarkGrey {64, 64, 64}; // the product name
inline const QColor kWhite {255, 255, 255};
inline const QColor kBlack {0, 0, 0};
inline const QColor kYellowGreen {214, 255, 64}; // pressed caption on a green face
inline const QColor kFaceGreen {63, 160, 16}; // green button faces
} // namespace colour

} // namespace kalmoro::assetgen
