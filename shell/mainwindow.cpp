#include "mainwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace kalmoro {

MainWindow::MainWindow()
    : DragArea(nullptr,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint)
{
    setWindowTitle(QStringLiteral("Kalmoro"));
    setFixedSize(kWindowSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(CentredPosition(screen->geometry().size(), kWindowSize));
}

void MainWindow::requestClose()
{
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::setCloseGuard(std::function<bool()> guard)
{
    m_closeGuard = std::move(guard);
}

void MainWindow::decodeAhead(std::vector<assets::Asset> pictures)
{
    pictures.insert(pictures.begin(), kSkin);
    m_pictures.decodeAhead(pictures, assets::ScaleFor(devicePixelRatioF()));
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QPixmap &skin = m_skin.at(devicePixelRatioF());
    if (!skin.isNull())
        painter.drawTiledPixmap(rect(), skin);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        requestClose();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace kalmoro
