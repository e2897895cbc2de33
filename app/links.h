#pragma once

class QObject;

namespace kalmoro {

class ControlResolver;
class GraphicButton;
class TransparentLabel;

// The two controls that open the maker's page: the logo button on the about page and the version
// label at the window's foot.
struct Links {
    GraphicButton *makerLogo;
    TransparentLabel *version;
};

Links ResolveLinks(ControlResolver &controls);
// Connects both to OpenMakerPage for as long as context lives.
void WireLinks(const Links &links, QObject *context);

// Opens the maker's page in the desktop's default browser.
void OpenMakerPage();

} // namespace kalmoro
