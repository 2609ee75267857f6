#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

// A plain vertical bar that fills from the bottom to a value of 0 to 100; it only shows.
class IndicatorBar : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kBackgroundColour = palette::kMaroon;
    static constexpr std::uint16_t kIndicatorColour = palette::kDeepRed;
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;

    explicit IndicatorBar(QWidget* parent = nullptr);

    // Clamped to 0 .. 100.
    void setValue(int value);
    int value() const { return m_value; }

    QRect indicatorRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 50;
};

} // namespace v32
