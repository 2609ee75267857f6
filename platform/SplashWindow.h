#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace v32 {

// The picture shown while the program comes up: a borderless window of the picture's size
// with rounded corners, centred on the screen, fading in and closing by itself.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCornerRadius = 12;

    explicit SplashWindow(const QPixmap& picture);

    // Shows the splash and returns once it has closed; start-up waits here.
    void run();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyRoundedCorners();
    void advance();

    QPixmap m_picture;
    QElapsedTimer m_elapsed;
    QTimer m_frameTimer;
    QEventLoop m_loop;
};

} // namespace v32
