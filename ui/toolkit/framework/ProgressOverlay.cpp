#include "ui/toolkit/framework/ProgressOverlay.h"

#include "ui/toolkit/framework/Spinner.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

constexpr int kDimOpacity = 178;
constexpr int kGap = 24;
constexpr std::uint16_t kLabelBackground = palette::kGrey25;
constexpr int kLabelPadding = 12;
constexpr int kLabelRadius = 8;

BoxStyle dimStyle() {
    BoxStyle style;
    style.background = palette::kBlack;
    style.backgroundOpacity = kDimOpacity;
    return style;
}

} // namespace

ProgressOverlay::ProgressOverlay(QWidget* parent)
    : OverlayLayer(parent, dimStyle())
    , m_spinner(new Spinner(this))
    , m_label(new TextLabel(this)) {
    setAccessibleName(QStringLiteral("progress"));
    setTakesTouches(true);
    m_label->setBackground(kLabelBackground);
    m_label->setPadding(kLabelPadding);
    m_label->setRadius(kLabelRadius);
    FlexLayout* layout = applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Center,
                                        FlexAlign::Center, FlexAlign::Center, kGap);
    layout->addWidget(m_spinner);
    layout->addWidget(m_label);
    hide();
}

void ProgressOverlay::setText(const QString& text) {
    m_label->setText(text);
}

void ProgressOverlay::showProgress(const QString& text) {
    setText(text);
    showOnTop();
}

} // namespace v32
