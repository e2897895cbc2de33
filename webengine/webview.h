#pragma once

#include <QWebEngineView>

class QLabel;

namespace kalmoro {

class WebPage;

// The view of one page. For a silent page no dialog of the engine's own (a colour picker, a
// question) ever shows. For the others a renderer that dies leaves a notice in place of the
// page, and the page is loaded once more; a page that loads again takes the notice away.
class WebView final : public QWebEngineView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebView)
public:
    WebView(WebPage *page, QWidget *parent);

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void loaded(bool ok);

    WebPage *m_page;
    QLabel *m_notice = nullptr;
    bool m_reloaded = false;
};

} // namespace kalmoro
