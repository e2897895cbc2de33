#include "links.h"

#include "addresses.h"
#include "controlresolver.h"
#include "framenames.h"
#include "platform.h"
#include "widgets/graphicbutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

Links ResolveLinks(ControlResolver &controls)
{
    return {
        .makerLogo = controls.get<GraphicButton>(framenames::kMakerLogo),
        .version = controls.get<TransparentLabel>(framenames::kVersion),
    };
}

void WireLinks(const Links &links, QObject *context)
{
    QObject::connect(links.makerLogo, &GraphicButton::clicked, context, &OpenMakerPage);
    QObject::connect(links.version, &TransparentLabel::pressed, context, &OpenMakerPage);
}

void OpenMakerPage()
{
    platform::OpenInDefaultBrowser(MakerAddress());
}

} // namespace kalmoro
