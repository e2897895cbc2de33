#include "jobwindowondemand.h"

#include "jobwindow.h"

namespace kalmoro {

JobWindowOnDemand::JobWindowOnDemand(const Services &services)
    : m_services(services)
{
}

JobWindowOnDemand::~JobWindowOnDemand() = default;

JobWindow &JobWindowOnDemand::window()
{
    if (!m_window) {
        m_window = std::make_unique<JobWindow>(m_services, m_pages);
        if (m_main)
            m_window->setCompanion(*m_main, *m_free);
        if (m_showPage) {
            QObject::connect(m_window.get(), &JobWindow::pageAsked, m_window.get(),
                [show = m_showPage](const PageJobLines *page) { show(*page); });
        }
    }
    return *m_window;
}

} // namespace kalmoro
