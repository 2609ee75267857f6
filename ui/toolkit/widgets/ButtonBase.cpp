#include "ui/toolkit/widgets/ButtonBase.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace v32 {

namespace {

constexpr int kDisabledOpacityPercent = 50;

QPainterPath faceShape(const QRectF& rect) {
    QPainterPath shape;
    shape.addRoundedRect(rect, ButtonBase::kRadius, ButtonBase::kRadius);
    return shape;
}

} // namespace

ButtonBase::ButtonBase(QWidget* parent, QSize defaultSize, const ButtonLook& idle,
                       const ButtonLook& active)
    : StyledWidget(parent, defaultSize, BoxStyle::plain())
    , m_idle(idle)
    , m_active(active)
    , m_defaultSize(defaultSize) {
    setClickable(true);
    // Connected first, so the owner's handlers already see the toggled state.
    connect(this, &StyledWidget::clicked, this, [this] {
        if (m_checkable) {
            setChecked(!isChecked());
        }
    });
}

void ButtonBase::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    setAccessibleName(text);
    update();
}

void ButtonBase::setBottomBar(int percent) {
    m_bottomBar = std::clamp(percent, 0, 100);
    update();
}

QSize ButtonBase::sizeHint() const {
    return m_defaultSize;
}

void ButtonBase::setActiveLook(const ButtonLook& look) {
    m_active = look;
    update();
}

void ButtonBase::setPressed(bool pressed) {
    if (pressed == m_pressed) {
        return;
    }
    m_pressed = pressed;
    update();
}

void ButtonBase::mousePressEvent(QMouseEvent* event) {
    StyledWidget::mousePressEvent(event);
    if (event->isAccepted()) {
        setPressed(true);
    }
}

void ButtonBase::mouseReleaseEvent(QMouseEvent* event) {
    setPressed(false);
    StyledWidget::mouseReleaseEvent(event);
}

void ButtonBase::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(kDisabledOpacityPercent / 100.0);
    }
    paintFace(painter, currentLook());
    paintCaption(painter, contentsRect());
    paintBottomBar(painter);
}

void ButtonBase::paintFace(QPainter& painter, const ButtonLook& look) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0.0, rgb565ToColor(look.background));
    fill.setColorAt(1.0, rgb565ToColor(look.gradient));
    painter.setPen(QPen(rgb565ToColor(look.border, look.borderOpacity), 1));
    painter.setBrush(fill);
    painter.drawPath(faceShape(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    painter.restore();
}

void ButtonBase::paintCaption(QPainter& painter, const QRect& area) const {
    if (m_text.isEmpty()) {
        return;
    }
    painter.setFont(font());
    painter.setPen(rgb565ToColor(kTextColour));
    painter.drawText(area, Qt::AlignCenter, m_text);
}

// The bar is clipped by the rounded corners like the rest of the face.
void ButtonBase::paintBottomBar(QPainter& painter) const {
    if (!m_bottomBar) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(faceShape(QRectF(rect())));
    const QRect bar(0, height() - kBottomBarHeight, width(), kBottomBarHeight);
    painter.fillRect(bar, rgb565ToColor(kBottomBarBackground));
    const int lit = bar.width() * *m_bottomBar / 100;
    painter.fillRect(QRect(bar.left(), bar.top(), lit, bar.height()),
                     rgb565ToColor(kBottomBarIndicator));
    painter.restore();
}

} // namespace v32
