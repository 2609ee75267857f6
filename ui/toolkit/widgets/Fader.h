#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"
#include "ui/toolkit/widgets/FaderScale.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <span>

namespace v32 {

class ImageCache;

// A vertical fader drawn from a knob picture over a thin track, with a dB scale of ticks
// and captions beside it. The knob is taken only where the finger lands on it: it never
// jumps to a touch beside it, and while it is held the page under it does not scroll.
// Moving the held knob emits valueChanged(); values set from outside emit nothing, and a
// value set while the knob is held stays shown until the finger moves again.
class Fader : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kTrackColour = palette::kBlack;
    static constexpr std::uint16_t kFillColour = palette::kMint;
    static constexpr std::uint16_t kTickColour = palette::kGrey71;
    // Drawn in place of a knob picture that cannot be read.
    static constexpr std::uint16_t kFallbackKnobColour = palette::kLeafGreen;
    static constexpr QSize kFallbackKnobSize{30, 50};
    // The tick gap that leaves the ticks as far from the track as the knob is wide.
    static constexpr int kAutomaticTickGap = -1;

    explicit Fader(ImageCache& images, QWidget* parent = nullptr);

    void setKnobImage(const QString& path);
    QString knobImagePath() const { return m_knobPath; }
    // The knob as drawn: the picture's size, or the fallback size without one.
    QSize knobSize() const;
    bool hasKnobImage() const { return !m_knob.isNull(); }

    void useMainTable();
    void useSendTable();
    // The main or send table selects its own mode; other tables have no ticks. Fewer than
    // two points are refused.
    bool setTable(std::span<const double> points);
    // An integer range without ticks; refused unless minimum is below maximum. The value
    // is kept inside the range.
    bool setRange(int minimum, int maximum);
    FaderScale::Mode mode() const { return m_scale.mode(); }
    const FaderScale& scale() const { return m_scale; }

    void setValue(double value);
    // A linear fader's value is its integer.
    double value() const;
    int intValue() const { return m_intValue; }

    void setTrackWidth(int width);
    void setTickLength(int length);
    void setTickGap(int gap);
    void setTickLabelGap(int gap);
    void setTrackOffset(int offset);
    void setHighlightRadius(int radius);
    void setLabelsShown(bool shown);
    void setTrackCentred(bool centred);
    void setFillShown(bool shown);
    void setGrabOutlineShown(bool shown);

    bool isGrabbed() const { return m_grabbed; }
    // The knob's rectangle at the current value, and the centre rows of its travel.
    QRect knobRect() const;
    int travelTop() const { return m_travelTop; }
    int travelBottom() const { return m_travelBottom; }
    QRect trackRect() const { return m_track; }
    int tickGap() const { return m_tickGap; }

    QSize sizeHint() const override;

signals:
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void relayout();
    int labelColumnWidth() const;
    int knobCentreY(double position) const;
    void followFinger(int y);
    void paintTicks(QPainter& painter) const;
    void paintFill(QPainter& painter) const;
    void paintKnob(QPainter& painter) const;

    ImageCache& m_images;
    FaderScale m_scale;
    double m_value = 0.0;
    int m_intValue = 0;

    QString m_knobPath;
    QImage m_knob;

    int m_trackWidth = 4;
    int m_tickLength = 6;
    int m_requestedTickGap = kAutomaticTickGap;
    int m_tickLabelGap = 4;
    int m_trackOffset = 0;
    int m_highlightRadius = 12;
    bool m_labelsShown = true;
    bool m_trackCentred = false;
    bool m_fillShown = true;
    bool m_grabOutlineShown = true;

    QRect m_track;
    int m_tickGap = 4;
    int m_travelTop = 0;
    int m_travelBottom = 0;

    bool m_grabbed = false;
    QPoint m_lastPoint;
};

} // namespace v32
