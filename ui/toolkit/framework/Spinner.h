#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QVariantAnimation>
#include <cstdint>

namespace v32 {

// A busy indicator: an arc that runs round a faint ring, one turn per period, while shown.
class Spinner : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultSize = 96;
    static constexpr int kDefaultPeriodMs = 1000;
    static constexpr int kDefaultArcDegrees = 60;
    static constexpr int kArcWidth = 10;
    static constexpr std::uint16_t kRingColour = palette::kGrey25;
    static constexpr std::uint16_t kArcColour = palette::kAccentBlue;

    explicit Spinner(QWidget* parent = nullptr, int periodMs = kDefaultPeriodMs,
                     int arcDegrees = kDefaultArcDegrees);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QVariantAnimation m_turn;
    int m_arcDegrees;
    int m_angle = 0;
};

} // namespace v32
