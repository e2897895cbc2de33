#pragma once

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineNewWindowRequest;

namespace kalmoro {

// A page that keeps the browser's dialogs to itself in silent mode and never opens a window of
// the engine's own: web addresses go to the desktop's browser, local pages stay in the view.
// Local pages stay in their folder, and only a user's click opens anything new.
class WebPage final : public QWebEnginePage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebPage)
public:
    WebPage(QWebEngineProfile *profile, bool silent, const QString &pageFolder, QObject *parent);

    bool isSilent() const { return m_silent; }
    // A click or a key in the view: it allows one navigation away from the page's host.
    void noteUserInput() { m_userInput = true; }

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
    // Lets a page load only files from its folder, whatever the engine's rules for local files.
    class FileGuard final : public QWebEngineUrlRequestInterceptor
    {
    public:
        explicit FileGuard(const WebPage &page)
            : m_page(page)
        {
        }
        void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    private:
        const WebPage &m_page;
    };

    void openNewWindow(QWebEngineNewWindowRequest &request);
    bool inPageFolder(const QUrl &url) const;

    const bool m_silent;
    const QString m_pageFolder;
    QString m_host;
    bool m_userInput = false;
    FileGuard m_fileGuard {*this};
};

} // namespace kalmoro
