#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace kalmoro::assetgen {

// One image of a Windows icon file: stored as PNG, or as a bitmap of 32, 8 or 4 bits
// per pixel (the last two with a palette chosen for the image).
struct IconEntry {
    QImage image; // ARGB32
    int bitsPerPixel;
    bool png;
};

QByteArray BuildIco(const QList<IconEntry> &entries);

} // namespace kalmoro::assetgen
