#pragma once

#include <functional>
#include <vector>

#include <QPainter>

#include "catalogue.h"

namespace kalmoro::assetgen {

using assets::Asset;

// How to draw one stored picture. The painter works in the asset's own pixel units
// whatever the output scale, on a white ground (transparent for the icon).
struct Artwork {
    Asset asset;
    std::function<void(QPainter &)> paint;
};

using Artworks = std::vector<Artwork>;

// Each family of pictures adds its rows.
void AddNavigation(Artworks &out);
void AddTextButtons(Artworks &out);
void AddProductButtons(Artworks &out);
void AddSmallFaces(Artworks &out); // price buttons, title-bar buttons, headings
void AddBrands(Artworks &out);
void AddMakerArt(Artworks &out);
void AddSkin(Artworks &out);
void AddCopperPage(Artworks &out);
void AddVentPage(Artworks &out);
void AddDrainPipeTable(Artworks &out);
void AddOverview(Artworks &out);
void AddIllustration(Artworks &out);

// Every picture to store, each exactly once.
Artworks AllArtworks();

} // namespace kalmoro::assetgen
