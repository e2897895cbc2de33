#include "artwork.h"

namespace kalmoro::assetgen {

Artworks AllArtworks()
{
    Artworks all;
    AddNavigation(all);
    AddTextButtons(all);
    AddProductButtons(all);
    AddSmallFaces(all);
    AddBrands(all);
    AddMakerArt(all);
    AddSkin(all);
    AddCopperPage(all);
    AddVentPage(all);
    AddDrainPipeTable(all);
    AddOverview(all);
    AddIllustration(all);
    return all;
}

} // namespace kalmoro::assetgen
