#pragma once

#include <memory>
#include <span>
#include <vector>

#include <QHash>

#include "layout.h"
#include "mainwindow.h"

namespace kalmoro {

// Builds the main window, not yet shown, from layout rows, in two steps: first the controls its
// first frame shows, then the rest. Creates each control, attaches it to its parent, stacks
// siblings front to back as listed and applies the initial visibility. A step fails, and failure()
// says why, when its rows are inconsistent (a duplicate or empty name, an unknown parent or page,
// a page of something that is not a page tab); the window is then gone.
class WindowBuilder final
{
public:
    explicit WindowBuilder(std::span<const LayoutRow> rows);

    // Creates the window and the controls its first frame shows: those shown by their rows, on
    // the page of each page tab that the first frame shows, and starts decoding their pictures.
    // Null when it fails.
    MainWindow *buildFirstFrame();
    // Creates the other controls and turns the page tabs of the first frame to their initial pages.
    bool buildRest();

    // The window being built; null before the first step and once a step has failed.
    MainWindow *window() const { return m_window.get(); }
    std::unique_ptr<MainWindow> takeWindow();
    const QString &failure() const { return m_failure; }

private:
    bool build(const std::vector<bool> &which);
    QWidget *create(std::size_t index);

    std::span<const LayoutRow> m_rows;
    std::vector<bool> m_firstFrame;
    std::vector<QWidget *> m_created; // by row; null: not yet
    std::unique_ptr<MainWindow> m_window;
    QHash<QString, std::size_t> m_names; // the row of each control built
    QString m_failure;
};

// Both steps at once; nullptr when they fail, and error says why.
std::unique_ptr<MainWindow> BuildMainWindow(std::span<const LayoutRow> rows, QString *error = nullptr);

} // namespace kalmoro
