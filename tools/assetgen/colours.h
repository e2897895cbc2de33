#pragma once

#include <QColor>

#include "palette.h"

namespace kalmoro::assetgen {

// The program's palette as colours to draw with.
namespace colour {
inline const QColor kOrange = QColor::fromRgb(palette::kOrange);
inline const QColor kGrey = QColor::fromRgb(palette::kGrey);
inline const QColor kGreen = QColor::fromRgb(palette::kGreen);
inline const QColor kBarOrange = QColor::fromRgb(palette::kBarOrange);
inline const QColor kSkinFrame = QColor::fromRgb(palette::kSkinFrame);
inline const QColor kDarkRed = QColor::fromRgb(palette::kDarkRed);
inline const QColor kDarkGrey = QColor::fromRgb(palette::kDarkGrey);
inline const QColor kWhite = QColor::fromRgb(palette::kWhite);
inline const QColor kBlack = QColor::fromRgb(palette::kBlack);
inline const QColor kYellowGreen = QColor::fromRgb(palette::kYellowGreen);
inline const QColor kFaceGreen = QColor::fromRgb(palette::kFaceGreen);
} // namespace colour

} // namespace kalmoro::assetgen
