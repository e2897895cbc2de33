#include "widgets/browserhost.h"

#include <QPainter>

#include "browserengine.h"
#include "platform.h"

namespace kalmoro {

BrowserHost::BrowserHost(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BrowserHost::setAddress(const QUrl &url)
{
    m_address = url;
    Q_EMIT loadRequested(url);

    BrowserEngine *engine = m_engine ? m_engine() : LoadBrowserEngine();
    if (!engine) {
        // Said where the page would be, so that the empty page is not taken for the page itself.
        m_refusal = platform::IsProcessPrepared() ? platform::BrowserEngineRefusal() : QString();
        update();
        return;
    }
    if (!m_view) {
        m_view = engine->createView(
            this, {.silent = m_silent, .pageFolders = platform::PageFolders(pageFolder())});
        m_view->setGeometry(rect());
        m_view->show();
        setFocusProxy(m_view);
    }
    engine->load(m_view, url);
}

QString BrowserHost::pageFolder() const
{
    return m_pageFolder.isEmpty() ? platform::ProgramDirectory() + QStringLiteral("/web") : m_pageFolder;
}

void BrowserHost::paintEvent(QPaintEvent *)
{
    // An empty page until the engine's view covers the host.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_refusal.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(
            rect(), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("无法显示网页\n%1").arg(m_refusal));
    }
}

void BrowserHost::resizeEvent(QResizeEvent *)
{
    if (m_view)
        m_view->setGeometry(rect());
}

} // namespace kalmoro
