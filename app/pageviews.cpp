#include "pageviews.h"

#include <variant>

#include "controlresolver.h"
#include "mainwindow.h"
#include "pages/registry.h"

namespace kalmoro {

ResolvedViews ResolvePageViews(const MainWindow &window, const Services &services)
{
    ControlResolver controls(window);
    auto views = std::make_unique<PageViews>();
    views->windowControls = ResolveWindowControls(controls);
    for (const PageUnit &unit : PageUnits()) {
        if (const MakeCalculatorPage *make = std::get_if<MakeCalculatorPage>(&unit.make)) {
            views->pages.push_back(views->calculators.emplace_back((*make)(services)).get());
        } else {
            views->pages.push_back(
                views->plainPages.emplace_back(std::get<MakePage>(unit.make)(services)).get());
        }
        views->pages.back()->resolve(controls);
    }
    views->navigation = ResolveNavigation(controls, views->pages);
    views->links = ResolveLinks(controls);
    if (!controls.ok())
        return {nullptr, controls.failure()};
    return {std::move(views), {}};
}

} // namespace kalmoro
