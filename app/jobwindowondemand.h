#pragma once

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace kalmoro {

class JobWindow;
class PageJobLines;
struct Services;

// The job window, built the first time something needs it rather than at start-up: until then there
// is no job to settle, and its controls, and the bold face its table measures its header in, would
// only take memory. Services must outlive it.
class JobWindowOnDemand final
{
public:
    explicit JobWindowOnDemand(const Services &services);
    JobWindowOnDemand(const JobWindowOnDemand &) = delete;
    JobWindowOnDemand &operator=(const JobWindowOnDemand &) = delete;
    ~JobWindowOnDemand();

    // The pages that give a job lines, for the window when it is built; they must outlive it.
    void setPages(std::vector<const PageJobLines *> pages) { m_pages = std::move(pages); }
    // How the main window shows the page of these lines, for the job window when it is built.
    void setShowPage(std::function<void(const PageJobLines &)> show) { m_showPage = std::move(show); }
    // The main window the job window opens beside, and its part that holds no navigation.
    void setCompanion(QWidget &main, QWidget &free)
    {
        m_main = &main;
        m_free = &free;
    }
    // The job window, built now if it was not yet.
    JobWindow &window();
    // The job window if it has been built, else null.
    JobWindow *built() const { return m_window.get(); }

private:
    const Services &m_services;
    std::vector<const PageJobLines *> m_pages;
    std::function<void(const PageJobLines &)> m_showPage;
    QWidget *m_main = nullptr;
    QWidget *m_free = nullptr;
    std::unique_ptr<JobWindow> m_window;
};

} // namespace kalmoro
