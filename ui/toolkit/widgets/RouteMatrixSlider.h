#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

// One send of the route matrix: a thin slider from 0 to 100 whose colour says whether the
// send is taken before or after the fader. It follows the finger and reports only the
// values the user sets; values set by the program are shown without a report.
class RouteMatrixSlider : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;
    static constexpr std::uint16_t kPostFaderColour = palette::kSelectionOrange;
    static constexpr std::uint16_t kPreFaderColour = palette::kLightGreen;

    explicit RouteMatrixSlider(QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

    std::uint16_t colour() const { return m_colour; }
    void setColour(std::uint16_t colour);

    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    // The track's thickness across the slider.
    void setThickness(int thickness);
    // How much room the knob needs across the slider, grown knob included.
    int crossExtent() const;

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int knobRadius() const;
    QRectF trackRect() const;
    int valueAt(QPointF point) const;
    void followFinger(QPointF point);
    void showValue();

    int m_value = 50;
    std::uint16_t m_colour = kPostFaderColour;
    Qt::Orientation m_orientation = Qt::Horizontal;
    int m_thickness = 4;
    bool m_pressed = false;
};

} // namespace v32
