#include "webview.h"

#include <utility>

#include <QAccessible>
#include <QChildEvent>
#include <QDialog>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>

#include "endprocess.h"
#include "pagenotice.h"
#include "processmemory.h"
#include "screenreader.h"
#include "webpage.h"

namespace kalmoro {

namespace {

// A page that answers no ping for this long is taken as hung; local pages answer in milliseconds.
constexpr int PingIntervalMs = 1000;
constexpr qint64 HangTimeoutMs = 5000;
// A local page's renderer may hold this much; a brand page's holds about 90 MB. Looked at often,
// since a page that fills typed arrays takes a gigabyte in well under a second.
constexpr qint64 RendererMemoryCap = qint64(512) << 20;
constexpr int MemoryCheckMs = 200;
// The engine's code for a load given up for the next one, which is no failure to report.
constexpr int LoadAbortedCode = -3;

struct FailureReason {
    QWebEngineLoadingInfo::ErrorDomain domain;
    const char16_t *reason;
};

// A few words on why a silent page could not be shown; anything else is an unreachable site.
constexpr FailureReason FailureReasons[] = {
    {QWebEngineLoadingInfo::CertificateErrorDomain, u"网站证书不可信"},
    {QWebEngineLoadingInfo::DnsErrorDomain, u"找不到网站"},
};
const char16_t *const UnreachableReason = u"网站无法访问";

// The part of widget inside all its parents, in its own coordinates: a parent shows no more of a
// child than its own area.
QRect VisiblePart(const QWidget *widget)
{
    QRect part = widget->rect();
    QPoint offset;
    for (const QWidget *child = widget; !child->isWindow() && child->parentWidget();
         child = child->parentWidget()) {
        offset += child->pos();
        part &= child->parentWidget()->rect().translated(-offset);
    }
    return part;
}

} // namespace

WebView::WebView(WebPage *page, QWidget *parent)
    : QWebEngineView(parent)
    , m_page(page)
    , m_notice(new PageNotice(this))
{
    page->setParent(this);
    setPage(page);
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &WebView::rendererEnded);
    connect(page, &QWebEnginePage::loadingChanged, this, &WebView::loadingChanged);
    connect(m_notice, &PageNotice::reloadRequested, page,
        [page] { page->triggerAction(QWebEnginePage::Reload); });
    if (page->isSilent()) {
        setContextMenuPolicy(Qt::NoContextMenu);
        return;
    }
    // Local pages are the dealer's own and may loop for good or take memory without end; one that
    // does is ended.
    connect(&m_pingTimer, &QTimer::timeout, this, &WebView::checkResponsive);
    m_pingTimer.start(PingIntervalMs);
    connect(&m_memoryTimer, &QTimer::timeout, this, &WebView::checkMemory);
    m_memoryTimer.start(MemoryCheckMs);
}

void WebView::open(const QUrl &url)
{
    m_reloaded = false;
    m_page->open(url);
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
    if (event->type() == QEvent::FocusIn && watched == focusProxy()) {
        // The engine's widget that takes the focus is not among the view's children for screen
        // readers, which then cannot follow the focus there: they hear of it as the view's, once
        // Qt has told them of that widget, so that the view's focus is the last they hear.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus()) {
                    QAccessibleEvent focused(this, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focused);
                }
            },
            Qt::QueuedConnection);
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_page->noteClick();
    } else if (event->type() == QEvent::Show) {
        if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && m_page->isSilent()) {
            // Too late to stop the showing itself: keep it off the screen, blocking nothing, and
            // refuse it at once.
            dialog->setWindowModality(Qt::NonModal);
            dialog->setAttribute(Qt::WA_DontShowOnScreen);
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

void WebView::rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status)
{
    m_pingSent.invalidate();
    m_ending = false;
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    showNotice(std::exchange(m_hung, false) ? QStringLiteral("页面无响应") : QStringLiteral("页面意外中止"));
    // Once: a page that kills its renderer every time must not keep the engine busy for good. A
    // renderer that ended while its page was being left, in the page's unload handlers, goes on to
    // the address asked for rather than back to the page.
    if (!std::exchange(m_reloaded, true)) {
        QMetaObject::invokeMethod(
            m_page,
            [this, next = m_loading] {
                if (next.isEmpty())
                    m_page->triggerAction(QWebEnginePage::Reload);
                else
                    m_page->load(next);
            },
            Qt::QueuedConnection);
    }
}

void WebView::loadingChanged(const QWebEngineLoadingInfo &info)
{
    m_pingSent.invalidate();
    m_loading = info.status() == QWebEngineLoadingInfo::LoadStartedStatus ? info.url() : QUrl();
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        m_notice->hide();
        // Screen readers read the view as the page it shows, and a user in the page hears which
        // page has come.
        setAccessibleName(title());
        if (hasFocus())
            platform::TellNameChanged(*this);
    } else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && m_page->isSilent()
        && info.errorCode() != LoadAbortedCode) {
        const auto *known = std::ranges::find(FailureReasons, info.errorDomain(), &FailureReason::domain);
        showNotice(QString::fromUtf16(known == std::end(FailureReasons) ? UnreachableReason : known->reason));
    }
}

void WebView::checkResponsive()
{
    if (m_page->isShowingDialog()) {
        m_pingSent.invalidate();
    } else if (!m_pingSent.isValid()) {
        m_pingSent.start();
        // The answer comes in the program's own script world, out of the page's reach.
        m_page->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
            [view = QPointer(this)](const QVariant &) {
                if (view)
                    view->m_pingSent.invalidate();
            });
    } else if (m_pingSent.hasExpired(HangTimeoutMs) && !m_ending) {
        m_hung = m_ending = EndProcess(m_page->renderProcessPid());
    }
}

void WebView::checkMemory()
{
    const qint64 pid = m_page->renderProcessPid();
    if (!m_ending && ResidentMemory(pid) > RendererMemoryCap)
        m_ending = EndProcess(pid);
}

void WebView::showNotice(const QString &reason)
{
    m_notice->setText(m_page->isSilent() ? QStringLiteral("无法连接报价网站\n") + reason : reason);
    // Only part of a view may be on screen, as the quotation's is in its box.
    const QRect seen = VisiblePart(this);
    m_notice->setGeometry(seen.isEmpty() ? rect() : seen);
    m_notice->raise();
    m_notice->show();
}

} // namespace kalmoro
