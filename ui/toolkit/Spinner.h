#pragma once

#include "ui/toolkit/StyledWidget.h"

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

    explicit Spinner(QWidget* parent = nullptr, int periodMs = kDefaultPeriodMs,
                     int arcDegrees = kDefaultArcDegrees);

    void setArcWidth(int width);
    void setColours(std::uint16_t ring, std::uint16_t arc);
    int angle() const { return m_angle; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QVariantAnimation m_turn;
    int m_arcDegrees;
    int m_angle = 0;
    int m_arcWidth = 10;
    std::uint16_t m_ringColour = 0x4208;
    std::uint16_t m_arcColour = 0x24BE;
};

} // namespace v32
