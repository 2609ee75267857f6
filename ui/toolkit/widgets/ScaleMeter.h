#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

class MeterBar;

// A channel level meter: a rounded level bar with the dB marks of the meter scale beside
// it. Levels come from the mixer as signed dB bytes; the meter rises at once and falls at
// a limited rate, so that short peaks stay readable.
class ScaleMeter : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kBarWidth = 12;
    static constexpr int kRange = 1000;
    static constexpr std::uint16_t kLabelColour = palette::kGrey77;

    explicit ScaleMeter(QWidget* parent = nullptr);

    void setLabelsShown(bool shown);
    bool labelsShown() const { return m_labelsShown; }

    // Shows a level, falling by at most fallPercent of the travel since the last update
    // (0: no limit). The silence byte empties the meter at once.
    void setLevel(std::int8_t decibels, int fallPercent);
    // The level the bar shows now, read back from its height.
    int shownLevel() const;

    MeterBar* bar() const { return m_bar; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int labelColumnWidth() const;
    QRect barGeometry() const;

    MeterBar* m_bar;
    bool m_labelsShown = true;
};

} // namespace v32
