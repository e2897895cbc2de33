#include "pageviews.h"

#include "controlresolver.h"
#include "mainwindow.h"

namespace kalmoro {

ResolvedViews ResolvePageViews(const MainWindow &window)
{
    ControlResolver controls(window);
    auto views = std::make_unique<PageViews>(PageViews{
        .windowControls = ResolveWindowControls(controls),
        .navigation = ResolveNavigation(controls),
        .refrigerant = ResolveRefrigerantPage(controls),
        .copper = ResolveCopperPage(controls),
        .vent = ResolveVentPage(controls),
        .brands = ResolveBrandPages(controls),
        .links = ResolveLinks(controls),
    });
    if (!controls.ok())
        return {nullptr, controls.failure()};
    return {std::move(views), {}};
}

} // namespace kalmoro
