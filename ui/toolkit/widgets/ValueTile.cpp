#include "ui/toolkit/widgets/ValueTile.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>
#include <QPainterPath>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(100, 60);
constexpr int kStripPadding = 2;

ButtonLook tileLook(std::uint16_t colour) {
    return {colour, colour, colour, 255};
}

QFont titleFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(ValueTile::kTitlePixelSize);
    return font;
}

} // namespace

ValueTile::ValueTile(QWidget* parent, const QString& title)
    : ButtonBase(parent, kDefaultSize, tileLook(kIdleColour), tileLook(kActiveColour)) {
    setText(title);
}

void ValueTile::setValueText(const QString& text) {
    if (text == m_valueText) {
        return;
    }
    m_valueText = text;
    setAccessibleDescription(text);
    update();
}

QRect ValueTile::stripRect() const {
    const int stripHeight = std::max(kMinimumStripHeight, fontMetrics().height() + kStripPadding);
    return QRect(0, height() - stripHeight, width(), stripHeight);
}

void ValueTile::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintFace(painter, currentLook());
    const bool active = isActive();
    const QRect strip = stripRect();

    painter.save();
    QPainterPath face;
    face.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kRadius - 1, kRadius - 1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(face);
    painter.fillRect(strip, rgb565ToColor(active ? kActiveStrip : kIdleStrip));
    painter.restore();

    painter.setFont(titleFont(font()));
    painter.setPen(rgb565ToColor(active ? kActiveTitleColour : kTextColour));
    const QRect titleArea(0, 0, width(), strip.top());
    painter.drawText(titleArea, Qt::AlignCenter, text());

    if (!m_valueText.isEmpty()) {
        painter.setFont(font());
        painter.setPen(rgb565ToColor(kTextColour));
        painter.drawText(strip, Qt::AlignCenter, m_valueText);
    }
}

} // namespace v32
