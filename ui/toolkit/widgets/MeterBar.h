#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QImage>
#include <cstdint>

namespace v32 {

// A vertical level bar with three colour zones, lit from the bottom up to its value: green
// over the lower 7/12, amber over the next 4/12 and red over the top 1/12, with short
// gradients where the zones meet. Both the dark and the lit picture are rendered once per
// size in 5-6-5 colours, so a level change only copies image rows; many bars are updated
// ten times a second.
class MeterBar : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kGreen = palette::kMeterGreen;
    static constexpr std::uint16_t kAmber = palette::kMeterAmber;
    static constexpr std::uint16_t kRed = palette::kMeterRed;
    static constexpr std::uint16_t kUnlit = palette::kBlack;
    static constexpr QImage::Format kDrawnFormat = QImage::Format_ARGB32_Premultiplied;

    explicit MeterBar(QWidget* parent = nullptr);

    // Returns false, changing nothing, unless minimum is below maximum; the value is kept
    // inside the new range.
    bool setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Clamped to the range; repaints only when the value changes.
    void setValue(int value);
    int value() const { return m_value; }

    // Where amber and red begin, in value units above the minimum.
    int amberThreshold() const { return (m_maximum - m_minimum) * 7 / 12; }
    int redThreshold() const { return (m_maximum - m_minimum) * 11 / 12; }

    // The pictures of the current size; null when the bar is too small for its three zones.
    const QImage& unlitImage() const { return m_unlit; }
    const QImage& litImage() const { return m_lit; }

    // The height from the bottom that the current value lights.
    int litHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderImages();
    void paintRounded(QPainter& painter, const QRect& rows, const QImage& image, int radius) const;

    QImage m_unlit;
    QImage m_lit;
    int m_minimum = 0;
    int m_maximum = 1000;
    int m_value = 0;
};

} // namespace v32
