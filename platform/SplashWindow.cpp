#include "platform/SplashWindow.h"

#include "platform/SplashTimeline.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>

namespace v32 {

SplashWindow::SplashWindow(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture) {
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    applyRoundedCorners();
    m_frameTimer.setInterval(static_cast<int>(SplashTimeline::kFrameMs));
    connect(&m_frameTimer, &QTimer::timeout, this, &SplashWindow::advance);
}

void SplashWindow::run() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size(), available));
    setWindowOpacity(0.0);
    show();
    m_elapsed.start();
    m_frameTimer.start();
    m_loop.exec();
}

void SplashWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

// A mask rounds the corners on every display, with or without a compositor.
void SplashWindow::applyRoundedCorners() {
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(outline, Qt::color1);
    painter.end();
    setMask(shape);
}

void SplashWindow::advance() {
    const auto elapsedMs = static_cast<std::uint32_t>(m_elapsed.elapsed());
    if (SplashTimeline::isOver(elapsedMs)) {
        m_frameTimer.stop();
        close();
        m_loop.quit();
        return;
    }
    setWindowOpacity(static_cast<double>(SplashTimeline::opacityAt(elapsedMs)) /
                     SplashTimeline::kOpaque);
}

} // namespace v32
