#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QMessageBox>
#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

namespace kalmoro {

class PageSchemeHandler;

// A page that keeps the browser's dialogs to itself in silent mode and never opens a window of
// the engine's own: web addresses go to the desktop's browser, local pages stay in the view.
// Local pages stay in their folder, and only a user's click opens anything new.
class WebPage final : public QWebEnginePage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebPage)
public:
    // pages serves pageFolders under the page scheme and outlives the page, as the profile does.
    WebPage(QWebEngineProfile *profile, bool silent, const QStringList &pageFolders, PageSchemeHandler *pages,
        QObject *parent);

    bool isSilent() const { return m_silent; }
    // While a dialog of the page's is open, the page waits for the user and answers nothing.
    bool isShowingDialog() const { return m_dialogsOpen > 0; }
    // Loads url, a file of one of the page folders through the page scheme, where the folders are
    // looked up in their order.
    void open(const QUrl &url);
    // A click in the view: it allows one navigation away from the page's host shortly after.
    void noteClick() { m_click.start(); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &message, const QString &defaultValue,
        QString *result) override;
    QStringList chooseFiles(
        FileSelectionMode mode, const QStringList &oldFiles, const QStringList &acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
        const QString &sourceId) override;

private:
    void openNewWindow(QWebEngineNewWindowRequest &request);
    bool inPageFolder(const QUrl &url) const;
    // url, a page of the page folders, under the host that serves that page.
    QUrl onItsHost(const QUrl &url) const;
    bool clickedJustNow();
    bool mayShowDialog();
    // The page's dialogs are titled with the page's own title.
    QString dialogTitle() const;
    // True when the user answers OK.
    bool showMessage(const QString &message, QMessageBox::StandardButtons buttons);
    void whileShowingDialog(const std::function<void()> &show);

    const bool m_silent;
    QStringList m_pageFolders;
    PageSchemeHandler *const m_pages;
    QString m_host;
    bool m_mayLeaveHost = false;
    QElapsedTimer m_click;
    QElapsedTimer m_clock;
    QList<qint64> m_dialogTimes;
    int m_dialogsOpen = 0;
};

} // namespace kalmoro
