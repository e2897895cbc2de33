#pragma once

class QObject;
class QWidget;

namespace kalmoro {

class JobWindowOnDemand;
class MainWindow;
struct PageViews;
struct Services;

// The quotation menu of the calculator pages: a right click anywhere on a calculator page but in an
// edit box opens it; its shortcuts work while such a page is shown, also from its edit boxes. Beside
// the page's own sheet, drawn, copied and printed as a job's, it adds the page to the job and opens the job
// window.
void WireQuotationActions(const PageViews &views, MainWindow &window, JobWindowOnDemand &job,
    QObject *context, const Services &services);

} // namespace kalmoro
