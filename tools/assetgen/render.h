#pragma once

#include <QImage>
#include <QString>

#include "artwork.h"
#include "catalogue.h"

namespace kalmoro::assetgen {

// Draws art at scale times the asset's size and applies the asset's opacity rule.
// Opaque assets come back without an alpha channel.
QImage Render(const assets::AssetInfo &info, const Artwork &art, int scale);

// Writes image as a PNG without colour-space chunks; false on failure.
bool WritePng(const QImage &image, const QString &path);

} // namespace kalmoro::assetgen
