#pragma once

#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

namespace kalmoro {

// A page that keeps the browser's dialogs to itself in silent mode and never opens a window of
// the engine's own: web addresses go to the desktop's browser, local pages stay in the view.
class WebPage final : public QWebEnginePage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebPage)
public:
    WebPage(QWebEngineProfile *profile, bool silent, QObject *parent);

protected:
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

    const bool m_silent;
};

} // namespace kalmoro
