#pragma once

#include <QFont>

namespace kalmoro::assetgen {

enum class Face { Sans, Serif };

// Stops the program when a lettering family is not installed: a fallback face would
// silently change every picture.
void RequireFonts();

QFont Font(Face face, int pixelSize, QFont::Weight weight = QFont::Normal);

} // namespace kalmoro::assetgen
