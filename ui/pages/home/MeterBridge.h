#pragma once

#include "app/model/Channel.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QElapsedTimer>
#include <QTimer>
#include <array>

namespace v32 {

class MeterBar;
class TextLabel;
struct ScreenContext;

// The row of level bars along the bottom of the bank overview: every input, stereo input,
// effect return and AUX bus, then MAIN L and MAIN R, each under its short name, the names
// on two staggered rows so that they have room. The bars count the meter scale's segments;
// they rise at once and fall slowly, and keep their height while the link is down. While
// the link is up the bridge asks the mixer for the meters again.
class MeterBridge : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kBarCount = 51;
    static constexpr int kHeight = 180;
    // Beside the global bar, which takes room from the pages above them.
    static constexpr int kCompactHeight = 150;
    static constexpr int kUpdatePeriodMs = 100;
    static constexpr int kRequestPeriodMs = 50;
    static constexpr std::uint16_t kBackground = palette::kGrey3;

    explicit MeterBridge(ScreenContext& screens, QWidget* parent = nullptr);

    // What the update timer does.
    void refresh();
    // The bars' names follow the channels' names.
    void nameBars();
    void setCompact(bool compact);

    static Channel channelOf(int bar);
    MeterBar& bar(int index) const { return *m_bars[static_cast<std::size_t>(index)]; }
    TextLabel& label(int index) const { return *m_labels[static_cast<std::size_t>(index)]; }
    const QTimer& timer() const { return m_timer; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void requestMeters();
    void placeBars();

    ScreenContext& m_screens;
    std::array<MeterBar*, kBarCount> m_bars{};
    std::array<TextLabel*, kBarCount> m_labels{};
    QTimer m_timer;
    QElapsedTimer m_sinceRequest;
};

} // namespace v32
