#include "ui/toolkit/widgets/TextLabel.h"

#include "app/core/Translation.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QPainter>

namespace v32 {

namespace {

constexpr int kUnboundedWidth = 100000;

} // namespace

TextLabel::TextLabel(QWidget* parent, const QString& text)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    setAccessibleRole(QAccessible::StaticText);
    setText(text);
}

void TextLabel::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void TextLabel::setCaption(const char* english) {
    setText(QString::fromUtf8(translate(english)));
}

void TextLabel::setTextColour(std::uint16_t colour, int opacity) {
    m_textColour = colour;
    m_textOpacity = opacity;
    update();
}

void TextLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void TextLabel::setWordWrap(bool wrap) {
    m_wordWrap = wrap;
    updateGeometry();
    update();
}

int TextLabel::textFlags() const {
    return static_cast<int>(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
}

QSize TextLabel::textSize(int width) const {
    const QRect bounds =
        fontMetrics().boundingRect(QRect(0, 0, width, kUnboundedWidth), textFlags(), m_text);
    return bounds.size();
}

QSize TextLabel::sizeHint() const {
    const QMargins padding = contentsMargins();
    const QSize text = textSize(kUnboundedWidth);
    return QSize(text.width() + padding.left() + padding.right(),
                 std::max(text.height(), fontMetrics().height()) + padding.top() +
                     padding.bottom());
}

QSize TextLabel::minimumSizeHint() const {
    return m_wordWrap ? QSize(0, heightForWidth(width())) : sizeHint();
}

int TextLabel::heightForWidth(int width) const {
    const QMargins padding = contentsMargins();
    const int textWidth = std::max(1, width - padding.left() - padding.right());
    return std::max(textSize(textWidth).height(), fontMetrics().height()) + padding.top() +
           padding.bottom();
}

void TextLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintBox(painter);
    painter.setPen(rgb565ToColor(m_textColour, m_textOpacity));
    painter.setFont(font());
    painter.drawText(contentsRect(), textFlags(), m_text);
}

void TextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    StyledWidget::changeEvent(event);
}

} // namespace v32
