#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>

class QWebEngineLoadingInfo;

namespace kalmoro {

class PageNotice;
class WebPage;

// The view of one page. For a silent page no dialog of the engine's own (a colour picker, a
// question) ever shows. A renderer that dies, or for a local page stops answering or takes more
// memory than any page needs, leaves a notice in place of the page, and the page (or the address
// it was leaving for) is loaded once more for each address the program sends; a page that loads
// again takes the notice away. A silent page that cannot be reached says so in the part of the
// view the user sees.
class WebView final : public QWebEngineView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebView)
public:
    WebView(WebPage *page, QWidget *parent);

    // Shows url, which the program asks for: the page may be reloaded once more if it fails.
    void open(const QUrl &url);

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void checkResponsive();
    void checkMemory();
    void showNotice(const QString &reason);

    WebPage *m_page;
    PageNotice *m_notice;
    QTimer m_pingTimer;
    QTimer m_memoryTimer;
    // Runs while the page owes the answer to a ping.
    QElapsedTimer m_pingSent;
    // The address being loaded, empty between loads.
    QUrl m_loading;
    // Set from ending the renderer until the engine reports it gone.
    bool m_ending = false;
    bool m_hung = false;
    bool m_reloaded = false;
};

} // namespace kalmoro
