#include "webview.h"

#include <utility>

#include <QChildEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>

#include "webpage.h"

namespace kalmoro {

WebView::WebView(WebPage *page, QWidget *parent)
    : QWebEngineView(parent)
    , m_page(page)
{
    page->setParent(this);
    setPage(page);
    if (page->isSilent()) {
        setContextMenuPolicy(Qt::NoContextMenu);
        return;
    }
    m_notice = new QLabel(QStringLiteral("页面意外中止"), this);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setAutoFillBackground(true);
    QPalette colours = m_notice->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    m_notice->setPalette(colours);
    m_notice->hide();
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &WebView::rendererEnded);
    connect(page, &QWebEnginePage::loadFinished, this, &WebView::loaded);
}

void WebView::childEvent(QChildEvent *event)
{
    // The engine's widgets come and go with its renderers: each is watched for the user's input,
    // and each dialog the view makes for the page before it shows.
    if (event->added() && event->child()->isWidgetType() && event->child() != m_notice)
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool WebView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_page->noteUserInput();
        break;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            m_page->noteUserInput();
        break;
    case QEvent::Show:
        if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && m_page->isSilent()) {
            // Too late to stop the showing itself: keep it off the screen, blocking nothing, and
            // refuse it at once.
            dialog->setWindowModality(Qt::NonModal);
            dialog->setAttribute(Qt::WA_DontShowOnScreen);
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

void WebView::resizeEvent(QResizeEvent *event)
{
    QWebEngineView::resizeEvent(event);
    if (m_notice)
        m_notice->setGeometry(rect());
}

void WebView::rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    m_notice->setGeometry(rect());
    m_notice->raise();
    m_notice->show();
    // Once: a page that kills its renderer every time must not keep the engine busy for good.
    if (!std::exchange(m_reloaded, true))
        QMetaObject::invokeMethod(
            m_page, [this] { m_page->triggerAction(QWebEnginePage::Reload); }, Qt::QueuedConnection);
}

void WebView::loaded(bool ok)
{
    if (!ok)
        return;
    m_notice->hide();
    m_reloaded = false;
}

} // namespace kalmoro
