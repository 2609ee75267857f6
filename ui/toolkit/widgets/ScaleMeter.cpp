#include "ui/toolkit/widgets/ScaleMeter.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/MeterLevel.h"

#include <QEvent>
#include <QPainter>
#include <array>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(32, 320);
constexpr int kLabelGap = 2;
constexpr int kLabelPixelSize = 10;
constexpr int kBarBorderOpacity = 178;
constexpr std::uint16_t kBarBorder = palette::kBlack;

// The marks above the bottom one; the bottom of the bar needs no caption.
constexpr std::array<int, 12> kMarkLabels = {-30, -20, -10, -7, -4, -2, 0, 2, 4, 7, 10, 14};
constexpr int kSegments = static_cast<int>(kMarkLabels.size());

QFont labelFont() {
    QFont font;
    font.setPixelSize(kLabelPixelSize);
    return font;
}

} // namespace

ScaleMeter::ScaleMeter(QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::plain())
    , m_bar(new MeterBar(this)) {
    setFont(labelFont());
    m_bar->setRange(0, kRange);
    m_bar->setBorder(1, kBarBorder, kBarBorderOpacity);
    m_bar->setRadius(kBarWidth / 2);
    m_bar->setGeometry(barGeometry());
}

void ScaleMeter::setLabelsShown(bool shown) {
    if (shown == m_labelsShown) {
        return;
    }
    m_labelsShown = shown;
    m_bar->setGeometry(barGeometry());
    updateGeometry();
    update();
}

void ScaleMeter::setLevel(std::int8_t decibels, int fallPercent) {
    m_bar->setValue(
        meterTarget(decibels, fallPercent, m_bar->value(), m_bar->minimum(), m_bar->maximum()));
}

int ScaleMeter::shownLevel() const {
    const double fraction = static_cast<double>(m_bar->value() - m_bar->minimum()) /
                            (m_bar->maximum() - m_bar->minimum());
    return meterDecibels(fraction);
}

int ScaleMeter::labelColumnWidth() const {
    return m_labelsShown ? fontMetrics().horizontalAdvance(QStringLiteral("-30")) : 0;
}

// The bar keeps half a text line free above and below, so that the top and bottom
// captions can be centred on their marks; meters with and without captions line up.
QRect ScaleMeter::barGeometry() const {
    const int inset = fontMetrics().height() / 2;
    const int left = m_labelsShown ? labelColumnWidth() + kLabelGap : 0;
    return QRect(left, inset, kBarWidth, std::max(0, height() - 2 * inset));
}

QSize ScaleMeter::sizeHint() const {
    const int labels = m_labelsShown ? labelColumnWidth() + kLabelGap : 0;
    return QSize(labels + kBarWidth, kDefaultSize.height());
}

void ScaleMeter::resizeEvent(QResizeEvent* event) {
    m_bar->setGeometry(barGeometry());
    StyledWidget::resizeEvent(event);
}

void ScaleMeter::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_bar->setGeometry(barGeometry());
        updateGeometry();
    }
    StyledWidget::changeEvent(event);
}

void ScaleMeter::paintEvent(QPaintEvent* /*event*/) {
    if (!m_labelsShown) {
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(rgb565ToColor(kLabelColour));
    const QRect bar = barGeometry();
    const int lineHeight = fontMetrics().height();
    const int columnWidth = labelColumnWidth();
    // On a short meter the marks crowd together; a caption that would overlap the one
    // below it is left out, so that those shown stay readable.
    int freeAbove = height();
    for (int mark = 1; mark <= kSegments; ++mark) {
        const int y = bar.bottom() + 1 - bar.height() * mark / kSegments;
        const QRect label(0, y - lineHeight / 2, columnWidth, lineHeight);
        if (label.bottom() >= freeAbove) {
            continue;
        }
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(kMarkLabels[static_cast<std::size_t>(mark - 1)]));
        freeAbove = label.top();
    }
}

} // namespace v32
