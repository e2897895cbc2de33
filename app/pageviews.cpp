#include "pageviews.h"

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
        if (unit.makeCalculator) {
            views->pages.push_back(views->calculators.emplace_back(unit.makeCalculator(services)).get());
        } else {
            views->pages.push_back(views->plainPages.emplace_back(unit.make(services)).get());
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
