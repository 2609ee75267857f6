#pragma once

#include "ui/toolkit/framework/OverlayLayer.h"

#include <QFont>
#include <QTimer>
#include <cstdint>
#include <optional>

namespace v32 {

class Clock;
class TextLabel;

// A short message over everything in the middle of the screen that goes away by itself
// after its time. A modal toast takes every touch while it is shown; the others let
// touches through to the screen beneath.
class Toast : public OverlayLayer {
    Q_OBJECT

public:
    static constexpr int kCheckPeriodMs = 100;

    // defaultFont is the font of a toast shown without one.
    Toast(QWidget* parent, const Clock& clock, const QFont& defaultFont);

    // A toast shown while another one is up replaces its text, colour and time.
    void showMessage(const QString& text, std::uint16_t colour, std::uint32_t durationMs,
                     const std::optional<QFont>& font = std::nullopt, bool modal = false);
    void hideMessage();

    // What the check timer does every kCheckPeriodMs while the toast is shown.
    void checkExpiry();

    TextLabel& label() const { return *m_label; }
    const QTimer& checkTimer() const { return m_checkTimer; }

private:
    const Clock& m_clock;
    QFont m_defaultFont;
    TextLabel* m_label;
    QTimer m_checkTimer;
    std::uint32_t m_shownAtMs = 0;
    std::uint32_t m_durationMs = 0;
};

} // namespace v32
