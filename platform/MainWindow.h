#pragma once

#include "platform/WheelEncoder.h"

#include <QPointer>
#include <QWidget>

namespace v32 {

// The one window of the program: it stands in for the mixer's touch panel and holds the
// UI's root screen across its whole client area. Mouse and touch reach the screen as
// pointer input; the wheel is taken from every widget in the window and becomes encoder 0,
// as on the panel, where nothing scrolls by wheel.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The window takes ownership and places the screen anew whenever the window resizes.
    void setScreen(QWidget* screen);

    // Shows the window at its logical size, centred on its screen, or maximised where that
    // screen is too small for it.
    void present();

    WheelEncoder& wheelEncoder() { return m_wheel; }

signals:
    // The user closed the window: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isInsideThisWindow(const QObject* object) const;
    void placeScreen();

    QPointer<QWidget> m_screen;
    WheelEncoder m_wheel;
};

} // namespace v32
