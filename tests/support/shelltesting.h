#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "browserengine.h"
#include "fonts.h"
#include "mainwindow.h"
#include "startprogram.h"

namespace kalmoro::testing {

// Stands in for the browser plugin: plain views, and a record of every view it made and every page
// it was asked to load.
class RecordingEngine final : public BrowserEngine
{
public:
    QWidget *createView(QWidget *host, const BrowserOptions &options) override
    {
        created.append(options);
        return new QWidget(host);
    }
    void load(QWidget *view, const QUrl &url) override
    {
        loads.append({view->parentWidget()->objectName(), url});
    }

    QList<BrowserOptions> created;
    QList<QPair<QString, QUrl>> loads; // browser name, address
};

// A name or a text of the layout's tables.
inline QString Text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// Takes the web addresses the program hands to the desktop's default browser, and the folders it
// hands to the file manager, for as long as it lives.
class DesktopBrowser final : public QObject
{
    Q_OBJECT
public:
    DesktopBrowser()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    }
    ~DesktopBrowser() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

// The program's window as it starts (the user-interface font in place, every handler wired),
// shown and active.
inline std::unique_ptr<MainWindow> ShowProgramWindow(Services services = {})
{
    QApplication::setFont(UiFont());
    std::unique_ptr<MainWindow> window = CreateMainWindow(std::move(services)).window;
    if (!window)
        return nullptr;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

// Hands the next modal window of kind Modal to open to handle, from a timer that runs inside its
// modal loop, however long it takes to appear. handle must close the window; checks that fail
// after closing it cannot leave the test waiting.
template <typename Modal> void WhenModalOpens(const std::function<void(Modal &)> &handle)
{
    QTimer::singleShot(10, [handle] {
        if (auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget()))
            handle(*modal);
        else
            WhenModalOpens<Modal>(handle);
    });
}

inline void WhenMessageBoxOpens(const std::function<void(QMessageBox &)> &handle)
{
    WhenModalOpens<QMessageBox>(handle);
}

// What the screen shows of widget now: the window's backing store as last painted, not a fresh
// rendering, so remains of earlier paints show up too.
inline QImage OnScreen(QWidget *widget)
{
    QWidget *window = widget->window();
    const QImage whole = window->screen()->grabWindow(window->winId()).toImage();
    return whole.copy(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()));
}

// Whether every pixel of image has the one colour.
inline bool AllOf(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

// The pixels where two images of the same size differ.
inline int DifferentPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            count += left.pixel(x, y) != right.pixel(x, y);
    return count;
}

} // namespace kalmoro::testing
