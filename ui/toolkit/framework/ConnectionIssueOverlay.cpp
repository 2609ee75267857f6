#include "ui/toolkit/framework/ConnectionIssueOverlay.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

constexpr std::uint16_t kTextColour = palette::kWhite;

BoxStyle darkening() {
    BoxStyle style;
    style.background = palette::kBlack;
    style.backgroundOpacity = ConnectionIssueOverlay::kOpacity;
    return style;
}

} // namespace

ConnectionIssueOverlay::ConnectionIssueOverlay(QWidget* parent)
    : OverlayLayer(parent, darkening())
    , m_label(new TextLabel(this)) {
    setAccessibleName(QStringLiteral("connection issue"));
    setAccessibleRole(QAccessible::AlertMessage);
    setTakesTouches(true);
    m_label->setTextColour(kTextColour);
    applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Center, FlexAlign::Center, FlexAlign::Center,
                   0)
        ->addWidget(m_label);
    hide();
}

void ConnectionIssueOverlay::showText(const QString& text) {
    m_label->setText(text);
    showOnTop();
}

} // namespace v32
