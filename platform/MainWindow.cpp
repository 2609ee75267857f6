#include "platform/MainWindow.h"

#include "app/core/ProductConstants.h"
#include "platform/ProgramPictures.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace v32 {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this)) {
    setWindowTitle(
        QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size())));
    const QIcon icon = ProgramPictures::windowIcon();
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    resize(WindowPlacement::logicalSize());
    // Wheel events go to the widget under the pointer, so only the application sees them all.
    qApp->installEventFilter(this);
}

void MainWindow::setScreen(QWidget* screen) {
    m_layout->addWidget(screen);
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

} // namespace v32
