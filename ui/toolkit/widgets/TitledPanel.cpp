#include "ui/toolkit/widgets/TitledPanel.h"

#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/Button.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(120, 60);
constexpr int kPanelPadding = 4;
constexpr int kBodyPadding = 4;
constexpr int kTitleGap = 2;
constexpr int kTitlePixelSize = 14;
constexpr int kBarTrackOpacity = 76;
constexpr int kKnobOverhang = 1;

ButtonLook idleLook() {
    return {Button::kIdleBackground, Button::kIdleGradient, BoxStyle::theme().border,
            ButtonBase::kBorderOpacity};
}

ButtonLook activeLook() {
    return {TitledPanel::kCheckedColour, TitledPanel::kCheckedColour, BoxStyle::theme().border,
            ButtonBase::kBorderOpacity};
}

QFont titleFont() {
    QFont font;
    font.setPixelSize(kTitlePixelSize);
    return font;
}

} // namespace

TitledPanel::TitledPanel(QWidget* parent)
    : ButtonBase(parent, kDefaultSize, idleLook(), activeLook())
    , m_body(new StyledWidget(this, QSize(), BoxStyle::plain())) {
    setPadding(kPanelPadding);
    setFont(titleFont());
    m_body->setPadding(kBodyPadding);
    setText(QStringLiteral("TITLE"));
    layOutBody();
}

int TitledPanel::titleHeight() const {
    return fontMetrics().height();
}

void TitledPanel::layOutBody() {
    const QRect content = contentsRect();
    const int top = content.top() + titleHeight() + kTitleGap;
    m_body->setGeometry(QRect(content.left(), top, content.width(), content.bottom() + 1 - top));
}

void TitledPanel::setBarCount(int count) {
    m_barValues.assign(static_cast<std::size_t>(std::max(0, count)), kBarInitialValue);
    update();
}

void TitledPanel::setBarValue(int index, int value) {
    if (index < 0 || index >= barCount()) {
        return;
    }
    m_barValues[static_cast<std::size_t>(index)] = std::clamp(value, 0, 100);
    update();
}

int TitledPanel::barValue(int index) const {
    if (index < 0 || index >= barCount()) {
        return 0;
    }
    return m_barValues[static_cast<std::size_t>(index)];
}

// The bars share the body's width evenly: equal space before, between and after them.
QRect TitledPanel::barRect(int index) const {
    const QRect area = m_body->geometry().marginsRemoved(m_body->contentsMargins());
    const int count = barCount();
    const int space = (area.width() - count * kBarWidth) / (count + 1);
    const int left = area.left() + space + index * (space + kBarWidth);
    return QRect(left, area.top(), kBarWidth, area.height());
}

void TitledPanel::resizeEvent(QResizeEvent* event) {
    layOutBody();
    ButtonBase::resizeEvent(event);
}

void TitledPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layOutBody();
    }
    ButtonBase::changeEvent(event);
}

void TitledPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintFace(painter, currentLook());
    const QRect content = contentsRect();
    paintCaption(painter, QRect(content.left(), content.top(), content.width(), titleHeight()));
    for (int i = 0; i < barCount(); ++i) {
        paintBar(painter, i);
    }
}

void TitledPanel::paintBar(QPainter& painter, int index) const {
    const QRect bar = barRect(index);
    if (bar.height() <= 0) {
        return;
    }
    const QColor colour = rgb565ToColor(kBarColour);
    painter.fillRect(bar, rgb565ToColor(kBarColour, kBarTrackOpacity));
    const int lit = bar.height() * barValue(index) / 100;
    painter.fillRect(QRect(bar.left(), bar.bottom() + 1 - lit, bar.width(), lit), colour);
    const int knobSize = kBarWidth + 2 * kKnobOverhang;
    const int knobTop =
        std::clamp(bar.bottom() + 1 - lit - knobSize / 2, bar.top(), bar.bottom() + 1 - knobSize);
    painter.fillRect(QRect(bar.left() - kKnobOverhang, knobTop, knobSize, knobSize), colour);
}

} // namespace v32
