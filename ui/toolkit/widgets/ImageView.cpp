#include "ui/toolkit/widgets/ImageView.h"

#include <QPainter>

namespace v32 {

ImageView::ImageView(QWidget* parent, const QImage& image)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    setAccessibleRole(QAccessible::Graphic);
    setImage(image);
}

void ImageView::setImage(const QImage& image) {
    m_image = image;
    const QMargins padding = contentsMargins();
    resize(m_image.size().grownBy(padding));
    updateGeometry();
    update();
}

QSize ImageView::sizeHint() const {
    return m_image.size().grownBy(contentsMargins());
}

void ImageView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    if (m_image.isNull()) {
        return;
    }
    // A picture larger than its place is shrunk to fit, never stretched.
    const QRect area = contentsRect();
    const QSize shown = m_image.size().boundedTo(area.size()) == m_image.size()
                            ? m_image.size()
                            : m_image.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - shown.width()) / 2,
                       area.top() + (area.height() - shown.height()) / 2, shown.width(),
                       shown.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}

} // namespace v32
