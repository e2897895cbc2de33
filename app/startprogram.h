#pragma once

#include <chrono>
#include <memory>
#include <span>

#include <QObject>
#include <QString>

#include "inputhold.h"
#include "layout.h"
#include "mainlayout.h"
#include "mainwindow.h"
#include "services.h"
#include "windowbuilder.h"

namespace kalmoro {

// The program: answers --help, --version or an argument it refuses at once; otherwise prepares the
// process, builds and shows the main window and runs until it is gone.
int StartProgram(int argc, char *argv[]);

// What the program sets up once its application object exists: the desktop entry its windows
// belong to, the user-interface font, the program directory as the working directory, and Qt's
// own texts and the browser engine in Simplified Chinese.
void SetUpApplication();

// Shows the main window and waits for the font configuration read in the background, which text is
// laid out with.
void ShowMainWindow(MainWindow &window);

class JobWindowOnDemand;

struct CreatedWindow {
    std::unique_ptr<MainWindow> window; // null when it cannot be built
    JobWindowOnDemand *jobWindow = nullptr; // the job window, which goes with window
    QString failure; // why not: the layout row or the control at fault
};

// The whole main window as the program builds it from layout: every control, every page view
// resolved and wired to the services, and the window's created handler run. Not yet shown. Tests
// build the window through this too, with services of their own.
CreatedWindow CreateMainWindow(Services services = {}, std::span<const LayoutRow> layout = MainLayout());

// The main window as the program starts it, with the program's own services: what its first frame shows is
// built and shown at once, the rest (as CreateMainWindow builds it) once that frame is on the screen, before
// any input is handled. Input that reaches the window before then is held and delivered after.
class StartingWindow final : public QObject
{
    Q_OBJECT
public:
    explicit StartingWindow(std::span<const LayoutRow> layout = MainLayout());
    ~StartingWindow() override;

    // Null when the window could not be built: then failure() says why.
    MainWindow *window() const;
    const QString &failure() const { return m_failure; }
    // The job window that goes with the window, once start-up has finished.
    JobWindowOnDemand *jobWindow() const { return m_jobWindow; }

Q_SIGNALS:
    // The start-up is over: the window is whole and its created handler has run, or it could not
    // be built and is gone.
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A window the window system does not show (on another desktop, minimised) is not painted;
    // its rest is built all the same, this long after it was shown.
    static constexpr std::chrono::milliseconds kRestAtTheLatest {2000};

    void buildRest();

    WindowBuilder m_builder;
    std::unique_ptr<InputHold> m_hold;
    QString m_failure;
    JobWindowOnDemand *m_jobWindow = nullptr;
};

// The box that says the main window could not be built; returns the program's exit code.
int ReportStartupFailure();

} // namespace kalmoro
