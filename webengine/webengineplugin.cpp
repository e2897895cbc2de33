#include "webengineplugin.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "qttranslation.h"
#include "webpage.h"
#include "webview.h"

namespace kalmoro {

namespace {

QLoggingCategory::CategoryFilter previousLoggingFilter = nullptr;

// Qt WebEngine 6.4.x describes its graphics contexts under this category, which is on by default,
// and while doing so reads the application's shared OpenGL context; the program creates none, so
// the first view would crash. A filter has the last word, unlike logging rules, which the
// environment can turn back on.
void silenceEngineContext(QLoggingCategory *category)
{
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
            category->setEnabled(type, false);
    } else if (previousLoggingFilter) {
        previousLoggingFilter(category);
    }
}

} // namespace

WebEnginePlugin::WebEnginePlugin()
{
    previousLoggingFilter = QLoggingCategory::installFilter(silenceEngineContext);
    // Views drawn by Qt Quick's software renderer need no OpenGL surface in the main window, so
    // the window keeps its native window when the first view appears, and the engine, finding no
    // shared context, composites in software.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // All local pages share one renderer process; a page from the network still gets its own.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += flags.isEmpty() ? "--process-per-site" : " --process-per-site";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    // The engine's own texts (its page menu) in the program's language, loaded with the engine.
    InstallQtTranslation(this, QStringLiteral("qtwebengine"));
}

QWidget *WebEnginePlugin::createView(QWidget *host, const BrowserOptions &options)
{
    auto *page = new WebPage(acquireProfile(), options.silent, options.pageFolder, nullptr);
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
