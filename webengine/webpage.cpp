#include "webpage.h"

#include <algorithm>

#include <QAuthenticator>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QScopeGuard>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "pagescheme.h"

namespace kalmoro {

namespace {

// How long after a click a page may still go where the click asked: a link's navigation
// follows its click within milliseconds, a script's timer long after.
constexpr qint64 ClickGraceMs = 1000;
// A page gets at most this many dialogs within the window; more are refused at once, so a
// page that loops over them does not trap the user.
constexpr qsizetype DialogsPerWindow = 3;
constexpr qint64 DialogWindowMs = 10000;

bool IsWeb(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The engine asks before-unload questions through the confirm handler, with this text.
QString UnloadQuestion()
{
    return QCoreApplication::translate("QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

} // namespace

WebPage::WebPage(QWebEngineProfile *profile, bool silent, const QStringList &pageFolders,
    PageSchemeHandler *pages, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_silent(silent)
    , m_pages(pages)
{
    for (const QString &folder : pageFolders)
        m_pageFolders << QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // Local pages may be a dealer's own: no windows that the user did not ask for.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // The program shows no page's icon, so none is fetched.
    settings()->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    m_clock.start();
    if (m_silent) {
        // A certificate the engine does not trust is refused without asking anyone. New-window
        // requests get no handler at all, and the engine then drops them.
        connect(this, &QWebEnginePage::certificateError, this,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
        // No one to ask for a password: the server's answer is shown as it is. An authenticator
        // left as it came, with the realm already set, would be sent again and again, empty.
        connect(this, &QWebEnginePage::authenticationRequired, this,
            [](const QUrl &, QAuthenticator *authenticator) { *authenticator = QAuthenticator(); });
    } else {
        connect(this, &QWebEnginePage::newWindowRequested, this, &WebPage::openNewWindow);
    }
}

void WebPage::open(const QUrl &url)
{
    const QString path = QDir::cleanPath(url.toLocalFile());
    const auto folder = std::ranges::find_if(
        m_pageFolders, [&path](const QString &folder) { return path.startsWith(folder + QLatin1Char('/')); });
    if (!url.isLocalFile() || folder == m_pageFolders.cend()) {
        load(url);
        return;
    }
    QUrl address;
    address.setScheme(QLatin1String(PageScheme));
    address.setPath(path.sliced(folder->size()));
    address.setQuery(url.query());
    address.setFragment(url.fragment());
    load(onItsHost(address));
}

bool WebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Addresses the program sends, and where their servers redirect, always load.
    if (type == NavigationTypeTyped) {
        m_host = url.host();
        m_mayLeaveHost = true;
        return true;
    }
    if (!isMainFrame || type == NavigationTypeReload)
        return true;
    if (type == NavigationTypeRedirect)
        return !m_silent || !IsWeb(url) || url.host() == m_host || m_mayLeaveHost;
    const bool clicked = clickedJustNow();
    if (m_silent) {
        // The quotation view goes to another site only on the user's click, never by the page's
        // script, and its keys alone never count: Tab through a form is no wish to leave.
        m_mayLeaveHost = clicked;
        return !IsWeb(url) || url.host() == m_host || clicked;
    }
    if (inPageFolder(url)) {
        // A page of another host, the program's own pages' or a dealer's, loads in the renderer of
        // its own site, as the program asks for it; the engine is still deciding on this one.
        const QUrl target = onItsHost(url);
        if (target.host() == url.host())
            return true;
        QMetaObject::invokeMethod(
            this, [this, target] { load(target); }, Qt::QueuedConnection);
        return false;
    }
    // A local page reaches the network only as a link the user clicks, in the desktop's browser.
    if (IsWeb(url) && type == NavigationTypeLinkClicked && clicked)
        QDesktopServices::openUrl(url);
    return false;
}

void WebPage::javaScriptAlert(const QUrl &, const QString &message)
{
    if (mayShowDialog())
        whileShowingDialog([&] { showMessage(message, QMessageBox::Ok); });
}

bool WebPage::javaScriptConfirm(const QUrl &, const QString &message)
{
    const auto ask = [&] {
        bool yes = false;
        whileShowingDialog([&] { yes = showMessage(message, QMessageBox::Ok | QMessageBox::Cancel); });
        return yes;
    };
    // A page can never hold the browser back from the next address it is sent to: leaving is
    // asked only while the page may still show dialogs.
    if (message == UnloadQuestion())
        return !mayShowDialog() || ask();
    return mayShowDialog() && ask();
}

bool WebPage::javaScriptPrompt(
    const QUrl &, const QString &message, const QString &defaultValue, QString *result)
{
    bool given = false;
    if (mayShowDialog()) {
        whileShowingDialog([&] {
            // The label takes rich text, in which the page's text is shown as it is.
            const QString answer = QInputDialog::getText(QWebEngineView::forPage(this), dialogTitle(),
                Qt::convertFromPlainText(message), QLineEdit::Normal, defaultValue, &given);
            if (given)
                *result = answer;
        });
    }
    return given;
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
    if (IsWeb(url)) {
        QDesktopServices::openUrl(url);
    } else if (inPageFolder(url)) {
        // The engine is still inside its new-window handling; navigate once it has returned.
        QMetaObject::invokeMethod(
            this, [this, url = onItsHost(url)] { load(url); }, Qt::QueuedConnection);
    }
}

bool WebPage::inPageFolder(const QUrl &url) const
{
    // The page scheme itself keeps every address of the host inside the folder.
    return url.scheme() == QLatin1String(PageScheme) && m_pages->serves(url.host(), m_pageFolders);
}

QUrl WebPage::onItsHost(const QUrl &url) const
{
    QUrl served = url;
    served.setHost(m_pages->hostFor(m_pageFolders, url.path(QUrl::FullyDecoded)));
    return served;
}

bool WebPage::clickedJustNow()
{
    const bool clicked = m_click.isValid() && !m_click.hasExpired(ClickGraceMs);
    m_click.invalidate();
    return clicked;
}

QString WebPage::dialogTitle() const
{
    // The engine gives a page without a title its address, which means nothing to the user.
    const QString name = title();
    return name.isEmpty() || name == url().toString() || name == requestedUrl().toString()
        ? QStringLiteral("网页")
        : name;
}

bool WebPage::showMessage(const QString &message, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, dialogTitle(), message, buttons, QWebEngineView::forPage(this));
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

void WebPage::whileShowingDialog(const std::function<void()> &show)
{
    ++m_dialogsOpen;
    const auto closed = qScopeGuard([this] { --m_dialogsOpen; });
    show();
}

bool WebPage::mayShowDialog()
{
    if (m_silent)
        return false;
    const qint64 now = m_clock.elapsed();
    m_dialogTimes.removeIf([now](qint64 shown) { return now - shown >= DialogWindowMs; });
    if (m_dialogTimes.size() >= DialogsPerWindow)
        return false;
    m_dialogTimes.append(now);
    return true;
}

} // namespace kalmoro
