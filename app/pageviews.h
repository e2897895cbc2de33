#pragma once

#include <memory>
#include <vector>

#include <QString>

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
    std::vector<std::unique_ptr<CalculatorPage>> calculators; // the units that calculate, in the tab's order
    std::vector<std::unique_ptr<Page>> plainPages; // the other units
    std::vector<Page *> pages; // every unit, in the registry's order
    Navigation navigation;
    Links links;
};

struct ResolvedViews {
    std::unique_ptr<PageViews> views; // null when a control is missing or of another kind
    QString failure; // which control, and why
};

ResolvedViews ResolvePageViews(const MainWindow &window, const Services &services);

} // namespace kalmoro
