#include "platform/MainWindow.h"

#include "app/core/ProductConstants.h"
#include "platform/ProgramPictures.h"
#include "platform/WindowPlacement.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWheelEvent>

namespace v32 {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(
        QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size())));
    const QIcon icon = ProgramPictures::windowIcon();
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
    // Around a screen smaller than the window.
    setPalette(QPalette(rgb565ToColor(palette::kBlack)));
    setAutoFillBackground(true);
    resize(WindowPlacement::logicalSize());
    // Wheel events go to the widget under the pointer, so only the application sees them all.
    qApp->installEventFilter(this);
}

void MainWindow::setScreen(QWidget* screen) {
    m_screen = screen;
    screen->setParent(this);
    placeScreen();
    screen->show();
}

void MainWindow::present() {
    const QRect available = screen()->availableGeometry();
    if (WindowPlacement::shouldMaximise(available.size())) {
        showMaximized();
        return;
    }
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                    WindowPlacement::logicalSize(), available));
    show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void MainWindow::resizeEvent(QResizeEvent* /*event*/) {
    placeScreen();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !isInsideThisWindow(watched)) {
        return QWidget::eventFilter(watched, event);
    }
    m_wheel.turn(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

bool MainWindow::isInsideThisWindow(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->window() == this;
}

void MainWindow::placeScreen() {
    if (m_screen != nullptr) {
        m_screen->setGeometry(
            WindowPlacement::screenRect(size(), m_screen->minimumSize(), m_screen->maximumSize()));
    }
}

} // namespace v32
