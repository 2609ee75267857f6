#include "ui/toolkit/framework/Toast.h"

#include "app/core/Clock.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

constexpr std::uint16_t kLabelBackground = palette::kGrey12;
constexpr std::uint16_t kLabelBorder = palette::kWhite;
constexpr int kLabelRadius = 12;
const QMargins kLabelPadding(48, 16, 48, 16);

} // namespace

Toast::Toast(QWidget* parent, const Clock& clock, const QFont& defaultFont)
    : OverlayLayer(parent)
    , m_clock(clock)
    , m_defaultFont(defaultFont)
    , m_label(new TextLabel(this)) {
    setAccessibleName(QStringLiteral("toast"));
    m_label->setBackground(kLabelBackground);
    m_label->setBorder(1, kLabelBorder);
    m_label->setRadius(kLabelRadius);
    m_label->setPadding(kLabelPadding);
    m_label->setAccessibleRole(QAccessible::AlertMessage);
    applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Center, FlexAlign::Center, FlexAlign::Center,
                   0)
        ->addWidget(m_label);
    m_checkTimer.setInterval(kCheckPeriodMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &Toast::checkExpiry);
    hide();
}

void Toast::showMessage(const QString& text, std::uint16_t colour, std::uint32_t durationMs,
                        const std::optional<QFont>& font, bool modal) {
    m_label->setFont(font.value_or(m_defaultFont));
    m_label->setTextColour(colour);
    m_label->setText(text);
    m_durationMs = durationMs;
    m_shownAtMs = m_clock.nowMs();
    if (!m_checkTimer.isActive()) {
        m_checkTimer.start();
    }
    showOnTop();
    setTakesTouches(modal);
}

void Toast::hideMessage() {
    m_checkTimer.stop();
    hide();
}

void Toast::checkExpiry() {
    if (m_clock.elapsedSince(m_shownAtMs) >= m_durationMs) {
        hideMessage();
    }
}

} // namespace v32
