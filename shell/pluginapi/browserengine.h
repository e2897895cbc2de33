#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtPlugin>

class QWidget;

namespace kalmoro {

struct BrowserOptions {
    bool silent = false; // no dialogs of the page's own (alerts, prompts, certificate questions)
    // Where local pages are looked up, first to last: served together, they are the only folders
    // whose files a page may open.
    QStringList pageFolders;
};

// The page-showing half of a browser host, provided by the optional browser plugin so that
// the program and its tests run without linking the web engine.
class BrowserEngine
{
public:
    virtual ~BrowserEngine() = default;
    // Creates a view that shows pages inside host, owned by host and filling it.
    virtual QWidget *createView(QWidget *host, const BrowserOptions &options) = 0;
    // Starts loading url into a view made by createView; returns at once.
    virtual void load(QWidget *view, const QUrl &url) = 0;
};

// The engine from the browser plugin beside the program, loaded on first use; nullptr when the
// plugin is missing or cannot be loaded.
BrowserEngine *LoadBrowserEngine();

} // namespace kalmoro

#define KALMORO_BROWSER_ENGINE_IID "org.kalmoro.BrowserEngine/1.0"
Q_DECLARE_INTERFACE(kalmoro::BrowserEngine, KALMORO_BROWSER_ENGINE_IID)
