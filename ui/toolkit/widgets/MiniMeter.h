#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

// A thin vertical level bar filled from the bottom, for the small meters of the tab row.
// Values outside the range are shown at its ends.
class MiniMeter : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 4;
    static constexpr int kDefaultMaximum = 60;
    static constexpr std::uint16_t kTrackColour = palette::kGrey12;
    static constexpr std::uint16_t kLevelColour = palette::kGreen;
    // The gap between the track and the level.
    static constexpr int kLevelInset = 1;

    explicit MiniMeter(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int value() const { return m_value; }
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_minimum = 0;
    int m_maximum = kDefaultMaximum;
    int m_value = 0;
};

} // namespace v32
