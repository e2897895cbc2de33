#pragma once

#include <QObject>

#include "browserengine.h"

class QWebEngineProfile;

namespace kalmoro {

class PageSchemeHandler;

// Qt WebEngine behind the browser host. All views share one off-the-record profile, so the
// program writes no cache, cookies or history to disk.
class WebEnginePlugin final : public QObject, public BrowserEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KALMORO_BROWSER_ENGINE_IID)
    Q_INTERFACES(kalmoro::BrowserEngine)
    Q_DISABLE_COPY_MOVE(WebEnginePlugin)
public:
    WebEnginePlugin();

    QWidget *createView(QWidget *host, const BrowserOptions &options) override;
    void load(QWidget *view, const QUrl &url) override;

private:
    QWebEngineProfile *acquireProfile();
    void releaseProfile();

    QWebEngineProfile *m_profile = nullptr;
    PageSchemeHandler *m_pages = nullptr; // owned by the profile
    int m_views = 0;
};

} // namespace kalmoro
