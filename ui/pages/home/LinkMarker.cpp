#include "ui/pages/home/LinkMarker.h"

#include "app/core/Translation.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>

namespace v32 {

LinkMarker::LinkMarker(QWidget* parent)
    : StyledWidget(parent, kSize, BoxStyle::plain()) {
    setFixedSize(kSize);
    setAccessibleRole(QAccessible::Indicator);
    setAccessibleName(QString::fromUtf8(translate("LINK")));
}

// Two rounded links, overlapping in the middle.
void LinkMarker::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(rgb565ToColor(kColour));
    pen.setWidthF(2.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal linkWidth = area.width() * 0.6;
    const qreal radius = area.height() / 2;
    painter.drawRoundedRect(QRectF(area.left(), area.top(), linkWidth, area.height()), radius,
                            radius);
    painter.drawRoundedRect(QRectF(area.right() - linkWidth, area.top(), linkWidth, area.height()),
                            radius, radius);
}

} // namespace v32
