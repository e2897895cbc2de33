#include "mainwindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace kalmoro {

namespace {
// The skin is converted for painting a band of rows at a time, so that the scratch pictures stay
// small: the allocator would keep the memory of a whole window's after the first paint.
constexpr int kSkinBandRows = 32;
} // namespace

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

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QPixmap &skin = m_skin.at(devicePixelRatioF());
    if (skin.isNull())
        return;
    // The skin is kept indexed, a quarter of the memory, and Qt draws an indexed picture a pixel at
    // a time. Where each of its pixels is one of the screen's, the part to repaint is converted to
    // the screen's format first, a row at a time, and then copied: a third of the time.
    const QImage image = skin.toImage();
    const int scale = int(skin.devicePixelRatio());
    if (image.format() != QImage::Format_Indexed8 || scale != devicePixelRatioF()
        || image.size() != size() * scale) {
        painter.drawTiledPixmap(rect(), skin);
        return;
    }
    for (const QRect &area : event->region()) {
        for (int top = area.top(); top <= area.bottom(); top += kSkinBandRows) {
            const QRect band(
                area.left(), top, area.width(), std::min(kSkinBandRows, area.bottom() + 1 - top));
            QImage part = image.copy(QRect(band.topLeft() * scale, band.size() * scale))
                              .convertToFormat(QImage::Format_RGB32);
            part.setDevicePixelRatio(scale);
            painter.drawImage(band.topLeft(), part);
        }
    }
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
