#include "ui/toolkit/widgets/ChannelSelector.h"

#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/Button.h"

#include <QMouseEvent>
#include <QPainter>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(120, 60);
constexpr int kArrowPadding = 4;

ButtonLook idleLook() {
    return {Button::kIdleBackground, Button::kIdleGradient, BoxStyle::theme().border,
            ButtonBase::kBorderOpacity};
}

ButtonLook checkedLook() {
    return {ChannelSelector::kCheckedColour, ChannelSelector::kCheckedColour,
            BoxStyle::theme().border, ButtonBase::kBorderOpacity};
}

} // namespace

ChannelSelector::ChannelSelector(ImageCache& images, QWidget* parent)
    : ButtonBase(parent, kDefaultSize, idleLook(), checkedLook())
    , m_previousArrow(images.selectorArrow(SelectorArrow::Left))
    , m_nextArrow(images.selectorArrow(SelectorArrow::Right)) {
    setText(QStringLiteral("CH1"));
}

// Each arrow answers over a quarter of the width, more than its picture, so that a finger
// need not hit the small image itself.
QRect ChannelSelector::arrowRect(Arrow arrow) const {
    const int zone = width() / 4;
    return arrow == Previous ? QRect(0, 0, zone, height())
                             : QRect(width() - zone, 0, zone, height());
}

int ChannelSelector::arrowAt(QPoint point) const {
    if (arrowRect(Previous).contains(point)) {
        return Previous;
    }
    if (arrowRect(Next).contains(point)) {
        return Next;
    }
    return -1;
}

void ChannelSelector::mousePressEvent(QMouseEvent* event) {
    m_pressedArrow = event->button() == Qt::LeftButton ? arrowAt(event->position().toPoint()) : -1;
    if (m_pressedArrow < 0) {
        ButtonBase::mousePressEvent(event);
    }
}

void ChannelSelector::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = m_pressedArrow;
    m_pressedArrow = -1;
    if (pressed < 0) {
        ButtonBase::mouseReleaseEvent(event);
        return;
    }
    if (arrowAt(event->position().toPoint()) == pressed) {
        emit arrowClicked(static_cast<Arrow>(pressed));
    }
}

void ChannelSelector::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintFace(painter, isChecked() ? checkedLook() : idleLook());
    paintCaption(painter, rect());
    paintArrow(painter, Previous);
    paintArrow(painter, Next);
}

void ChannelSelector::paintArrow(QPainter& painter, Arrow arrow) const {
    const QImage& picture = arrow == Previous ? m_previousArrow : m_nextArrow;
    const int left = arrow == Previous ? kArrowPadding : width() - kArrowPadding - picture.width();
    painter.drawImage(QPoint(left, (height() - picture.height()) / 2), picture);
}

} // namespace v32
