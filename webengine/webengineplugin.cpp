#include "webengineplugin.h"

#include <QLocale>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "webpage.h"

namespace kalmoro {

QWidget *WebEnginePlugin::createView(QWidget *host, const BrowserOptions &options)
{
    auto *view = new QWebEngineView(host);
    auto *page = new WebPage(acquireProfile(), options.silent, view);
    connect(page, &QObject::destroyed, this, &WebEnginePlugin::releaseProfile);
    view->setPage(page);
    return view;
}

void WebEnginePlugin::load(QWidget *view, const QUrl &url)
{
    if (auto *webView = qobject_cast<QWebEngineView *>(view))
        webView->load(url);
}

QWebEngineProfile *WebEnginePlugin::acquireProfile()
{
    if (!m_profile) {
        m_profile = new QWebEngineProfile(this);
        // Pages are asked for the program's language and territory, as its own pages are shown in it.
        m_profile->setHttpAcceptLanguage(QLocale().name().replace(u'_', u'-'));
    }
    ++m_pages;
    return m_profile;
}

void WebEnginePlugin::releaseProfile()
{
    // A profile must outlive its pages and go before the application object: the last page to
    // close is the one moment that satisfies both.
    if (--m_pages == 0) {
        delete m_profile;
        m_profile = nullptr;
    }
}

} // namespace kalmoro
