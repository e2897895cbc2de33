#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "brandpages.h"
#include "drainpipepage.h"
#include "links.h"
#include "navigation.h"
#include "pages/calculatorpage.h"
#include "services.h"
#include "windowcontrols.h"

namespace kalmoro {

class MainWindow;

// Every control a handler works on, resolved once after the window is built.
struct PageViews {
    WindowControls windowControls;
    Navigation navigation;
    std::vector<std::unique_ptr<CalculatorPage>> calculators; // in the order of the main tab
    DrainPipePage drainPipe;
    BrandPages brands;
    Links links;
};

struct ResolvedViews {
    std::unique_ptr<PageViews> views; // null when a control is missing or of another kind
    QString failure; // which control, and why
};

ResolvedViews ResolvePageViews(const MainWindow &window, const Services &services);

} // namespace kalmoro
