#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

// A horizontal pan control from L (-100) to R (100) that lights from the centre towards the
// value. Its centre catches the finger: within a tenth of the half width it reads exactly 0,
// so that a channel can be put back in the middle by touch. Dragging emits valueChanged().
class PanSlider : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kMinimum = -100;
    static constexpr int kMaximum = 100;
    static constexpr std::uint16_t kTrackColour = palette::kGrey60;
    static constexpr std::uint16_t kIndicatorColour = palette::kMagenta;
    static constexpr std::uint16_t kKnobColour = palette::kWhite;
    static constexpr std::uint16_t kCaptionColour = palette::kWhite;
    static constexpr double kCentreDetent = 0.1;

    explicit PanSlider(QWidget* parent = nullptr);

    // Clamped to -100 .. 100; emits nothing.
    void setValue(int value);
    int value() const { return m_value; }

    bool isGrabbed() const { return m_grabbed; }
    QRect trackRect() const;

    QSize sizeHint() const override;

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int captionWidth() const;
    int xOfValue(int value) const;
    void followFinger(int x);

    int m_value = 0;
    bool m_grabbed = false;
};

} // namespace v32
