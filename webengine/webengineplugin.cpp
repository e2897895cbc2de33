#include "webengine/webengineplugin.h"

#include <algorithm>
#include <array>

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "webengine/webpage.h"
#include "webengine/webview.h"

namespace kalmoro {

namespace {

// The five page font sizes as default text sizes in px, smallest to largest; medium is the
// engine's own default, so pages look as they do in any browser.
constexpr std::array<int, 5> DefaultFontPixels = {12, 14, 16, 20, 24};

int defaultFontPixels(int fontSize)
{
    const int last = static_cast<int>(DefaultFontPixels.size()) - 1;
    return DefaultFontPixels[static_cast<std::size_t>(std::clamp(fontSize, 0, last))];
}

} // namespace

QWidget *WebEnginePlugin::createView(QWidget *host, const BrowserOptions &options)
{
    auto *page = new WebPage(acquireProfile(), options.silent, options.pageFolder, nullptr);
    page->settings()->setFontSize(QWebEngineSettings::DefaultFontSize, defaultFontPixels(options.fontSize));
    connect(page, &QObject::destroyed, this, &WebEnginePlugin::releaseProfile);
    return new WebView(page, host);
}

void WebEnginePlugin::load(QWidget *view, const QUrl &url)
{
    if (auto *webView = qobject_cast<QWebEngineView *>(view))
        webView->load(url);
}

QWebEngineProfile *WebEnginePlugin::acquireProfile()
{
    if (!m_profile)
        m_profile = new QWebEngineProfile(this);
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
