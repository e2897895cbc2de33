#include "pageviews.h"

#include "controlresolver.h"
#include "mainwindow.h"
#include "pages/copperpage.h"
#include "pages/pressurepage.h"
#include "pages/refrigerantpage.h"
#include "pages/ventpage.h"

namespace kalmoro {

ResolvedViews ResolvePageViews(const MainWindow &window, const Services &services)
{
    ControlResolver controls(window);
    auto views = std::make_unique<PageViews>();
    views->windowControls = ResolveWindowControls(controls);
    views->navigation = ResolveNavigation(controls);
    std::unique_ptr<CopperCalculatorPage> copper = MakeCopperPage(services);
    const CopperPage &copperView = copper->view();
    views->calculators.push_back(MakeRefrigerantPage(services));
    views->calculators.push_back(std::move(copper));
    views->calculators.push_back(MakeVentPage());
    views->calculators.push_back(MakePressurePage());
    for (const std::unique_ptr<CalculatorPage> &page : views->calculators)
        page->resolve(controls);
    views->navigation.futuresQuote = copperView.futuresQuote;
    views->navigation.futuresQuoteAddress = services.futuresQuote;
    views->drainPipe = ResolveDrainPipePage(controls);
    views->brands = ResolveBrandPages(controls);
    views->links = ResolveLinks(controls);
    if (!controls.ok())
        return {nullptr, controls.failure()};
    return {std::move(views), {}};
}

} // namespace kalmoro
