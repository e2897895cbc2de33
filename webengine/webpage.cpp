#include "webpage.h"

#include <QDesktopServices>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>

namespace kalmoro {

WebPage::WebPage(QWebEngineProfile *profile, bool silent, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_silent(silent)
{
    if (m_silent) {
        // A certificate the engine does not trust is refused without asking anyone. New-window
        // requests get no handler at all, and the engine then drops them.
        connect(this, &QWebEnginePage::certificateError, this,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
    } else {
        connect(this, &QWebEnginePage::newWindowRequested, this, &WebPage::openNewWindow);
    }
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
    const QUrl url = request.requestedUrl();
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        QDesktopServices::openUrl(url);
    } else if (url.isLocalFile()) {
        // The engine is still inside its new-window handling; navigate once it has returned.
        QMetaObject::invokeMethod(
            this, [this, url] { load(url); }, Qt::QueuedConnection);
    }
}

} // namespace kalmoro
