#include "webpage.h"

#include <utility>

#include <QDesktopServices>
#include <QFileInfo>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

namespace kalmoro {

WebPage::WebPage(QWebEngineProfile *profile, bool silent, const QString &pageFolder, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_silent(silent)
    , m_pageFolder(QFileInfo(pageFolder).canonicalFilePath())
{
    // Pages in the program's folder may be a dealer's own: no windows that the user did not ask
    // for, and no file outside the folder. The engine's LocalContentCanAccessFileUrls would also
    // keep a page from its own stylesheet and pictures, so the folder is guarded here instead.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    setUrlRequestInterceptor(&m_fileGuard);
    if (m_silent) {
        // A certificate the engine does not trust is refused without asking anyone. New-window
        // requests get no handler at all, and the engine then drops them.
        connect(this, &QWebEnginePage::certificateError, this,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
    } else {
        connect(this, &QWebEnginePage::newWindowRequested, this, &WebPage::openNewWindow);
    }
}

bool WebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Addresses the program sends, and where their servers redirect, always load.
    if (type == NavigationTypeTyped) {
        m_host = url.host();
        return true;
    }
    if (!isMainFrame || type == NavigationTypeRedirect || type == NavigationTypeReload)
        return true;
    const bool userInput = std::exchange(m_userInput, false);
    if (url.isLocalFile())
        return inPageFolder(url);
    // The quotation view goes to another site only on the user's click, never by the page's script.
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    return !m_silent || !web || url.host() == m_host || userInput;
}

void WebPage::javaScriptAlert(const QUrl &securityOrigin, const QString &message)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(securityOrigin, message);
}

bool WebPage::javaScriptConfirm(const QUrl &securityOrigin, const QString &message)
{
    // The engine asks before-unload questions through here too; answering yes in silent mode
    // means a page can never hold the browser back from the next address it is sent to.
    return m_silent || QWebEnginePage::javaScriptConfirm(securityOrigin, message);
}

bool WebPage::javaScriptPrompt(
    const QUrl &securityOrigin, const QString &message, const QString &defaultValue, QString *result)
{
    return !m_silent && QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

QStringList WebPage::chooseFiles(
    FileSelectionMode mode, const QStringList &oldFiles, const QStringList &acceptedMimeTypes)
{
    if (m_silent)
        return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void WebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &)
{
    // The program logs nothing, a page's console included.
}

void WebPage::openNewWindow(QWebEngineNewWindowRequest &request)
{
    // The engine's own pop-up blocker already lets a click open one window; this holds even if
    // a page gets past it.
    if (!request.isUserInitiated())
        return;
    const QUrl url = request.requestedUrl();
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        QDesktopServices::openUrl(url);
    } else if (inPageFolder(url)) {
        // The engine is still inside its new-window handling; navigate once it has returned.
        QMetaObject::invokeMethod(
            this, [this, url] { load(url); }, Qt::QueuedConnection);
    }
}

void WebPage::FileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile())
        return;
    // Scripts read no file at all, not even one of the page folder; pages, frames, styles and
    // pictures come from the page folder only.
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    if (type == QWebEngineUrlRequestInfo::ResourceTypeXhr
        || (type != QWebEngineUrlRequestInfo::ResourceTypeMainFrame && !m_page.inPageFolder(url)))
        info.block(true);
}

bool WebPage::inPageFolder(const QUrl &url) const
{
    // Resolved, so that neither ".." nor a symbolic link leads out of the folder.
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return url.isLocalFile() && !m_pageFolder.isEmpty() && path.startsWith(m_pageFolder + QLatin1Char('/'));
}

} // namespace kalmoro
