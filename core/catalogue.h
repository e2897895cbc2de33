#pragma once

#include <span>
#include <string_view>

namespace kalmoro::assets {

enum class Opacity {
    Opaque, // every pixel fully opaque
    RoundedCorners, // 8 partly or fully transparent pixels in each corner
    TransparentOutside, // transparent outside a rounded square
};

struct AssetInfo {
    std::string_view name; // "img000" … "img176"
    int width;
    int height;
    Opacity opacity;
    std::string_view words; // UTF-8: the words drawn in the image, or what it shows; its accessible name
    std::string_view sameAs; // name of an asset with the very same picture, stored once; empty if none
};

// All 177 assets, in name order.
std::span<const AssetInfo> Catalogue();

// The row of name, or nullptr.
const AssetInfo *FindAsset(std::string_view name);

// The asset whose PNG file holds name's picture (name itself unless it is the same as another).
std::string_view StoredName(std::string_view name);

} // namespace kalmoro::assets
