#include "ui/toolkit/widgets/ScrollList.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(320, 240);
constexpr int kFontPixels = 16;
constexpr std::uint16_t kSelectedColour = palette::kCornflowerBlue;
constexpr std::uint16_t kSeparatorColour = palette::kGrey61;
constexpr int kSeparatorOpacity = 102;
constexpr int kIconLeft = 4;
constexpr int kTextAfterIcon = 9;
constexpr int kTextLeft = 4;
// A fling is judged by the finger's speed over its last moves; a finger that rested this
// long before lifting does not fling.
constexpr std::uint64_t kFlingWindowMs = 100;
constexpr double kVelocitySmoothing = 0.6;

// The scroll threshold of the input device: how far a finger moves before a press turns
// into a drag. The platform's drag distance is that threshold on the desktop.
int scrollThreshold() {
    return QGuiApplication::styleHints()->startDragDistance();
}

// Cut to the entry's length without splitting a character made of two UTF-16 units.
QString entryText(const QString& text) {
    if (text.size() <= ScrollList::kTextLength) {
        return text;
    }
    const bool splitsPair = text.at(ScrollList::kTextLength - 1).isHighSurrogate();
    return text.left(ScrollList::kTextLength - (splitsPair ? 1 : 0));
}

} // namespace

ScrollList::ScrollList(FontCache& fonts, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::plain())
    , m_firstVisible(m_entries.cend()) {
    setFont(fonts.fontOfSize(kFontPixels));
    m_rowHeight = fontMetrics().height();
    setAccessibleRole(QAccessible::List);
    setAccessibleName(QStringLiteral("List"));

    m_settle.setObjectName(QStringLiteral("scrollSettle"));
    connect(&m_settle, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { moveTo(value.toInt()); });
}

int ScrollList::addEntry(int position, const QString& text, int key) {
    const bool appends = position < 0 || position >= count();
    const int index = appends ? count() : position;
    const bool wasEmpty = m_entries.empty();
    m_entries.insert(appends ? m_entries.end() : mutableIteratorAt(index),
                     ScrollListEntry{entryText(text), QString(), key});
    if (wasEmpty) {
        m_firstVisible = m_entries.cbegin();
        m_firstVisibleIndex = 0;
    } else if (index <= m_firstVisibleIndex) {
        // The cached entry moved down by one; find the row that now lies at the offset.
        ++m_firstVisibleIndex;
        updateVisibleRows();
    }
    if (m_selected >= index) {
        ++m_selected;
    }
    update();
    return index;
}

// Walks from whichever is nearest: the first entry, the last, or the first row in view.
ScrollList::ConstEntryIterator ScrollList::iteratorAt(int index) const {
    const int fromEnd = count() - 1 - index;
    const int fromCache = std::abs(index - m_firstVisibleIndex);
    if (m_firstVisible != m_entries.cend() && fromCache < index && fromCache < fromEnd) {
        return std::next(m_firstVisible, index - m_firstVisibleIndex);
    }
    if (index <= fromEnd) {
        return std::next(m_entries.cbegin(), index);
    }
    return std::prev(m_entries.cend(), fromEnd + 1);
}

// Erasing an empty range is the standard way to turn a constant iterator into a mutable one.
ScrollList::EntryIterator ScrollList::mutableIteratorAt(int index) {
    const ConstEntryIterator at = iteratorAt(index);
    return m_entries.erase(at, at);
}

const ScrollListEntry* ScrollList::entry(int index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return &*iteratorAt(index);
}

void ScrollList::setSecondText(int index, const QString& text) {
    if (index < 0 || index >= count()) {
        return;
    }
    mutableIteratorAt(index)->secondText = entryText(text);
    update();
}

void ScrollList::clear() {
    m_settle.stop();
    m_entries.clear();
    m_firstVisible = m_entries.cend();
    m_firstVisibleIndex = 0;
    m_offset = 0;
    m_selected = -1;
    m_dragging = false;
    setAccessibleDescription(QString());
    emit valueChanged();
    update();
}

bool ScrollList::select(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    m_selected = index;
    setAccessibleDescription(entry(index)->text);
    emit valueChanged();
    update();
    return true;
}

void ScrollList::setRowHeight(int height) {
    if (height < 1) {
        return;
    }
    m_rowHeight = height;
    m_rowHeightSet = true;
    updateVisibleRows();
    update();
}

void ScrollList::setIcon(const QImage& icon) {
    m_icon = icon;
    update();
}

void ScrollList::setTextColour(std::uint16_t colour) {
    m_textColour = colour;
    update();
}

void ScrollList::setScrollOffset(int offset) {
    m_settle.stop();
    moveTo(std::clamp(offset, std::min(endOffset(), 0), 0));
}

int ScrollList::visibleHeight() const {
    return contentsRect().height();
}

// Where the last row's bottom meets the bottom of the view.
int ScrollList::endOffset() const {
    return visibleHeight() - count() * m_rowHeight;
}

void ScrollList::moveTo(int offset) {
    m_offset = offset;
    updateVisibleRows();
    update();
}

// Whole rows above the view are skipped by dividing the offset by the row height; the
// cached row is moved there, which costs only the rows scrolled past.
void ScrollList::updateVisibleRows() {
    if (m_entries.empty()) {
        return;
    }
    const int rowsAbove = m_offset >= 0 ? 0 : -m_offset / m_rowHeight;
    const int index = std::min(rowsAbove, count() - 1);
    m_firstVisible = iteratorAt(index);
    m_firstVisibleIndex = index;
}

void ScrollList::changeEvent(QEvent* event) {
    StyledWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_rowHeightSet) {
        m_rowHeight = fontMetrics().height();
        updateVisibleRows();
    }
}

void ScrollList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_settle.stop();
    m_dragging = false;
    m_pressY = qRound(event->position().y());
    m_startOffset = m_offset;
    m_velocity = 0;
    m_lastMoveOffset = m_offset;
    m_lastMoveTime = event->timestamp();
}

void ScrollList::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0 || m_entries.empty()) {
        return;
    }
    const int moved = qRound(event->position().y()) - m_pressY;
    const int threshold = scrollThreshold();
    if (!m_dragging && std::abs(moved) <= threshold) {
        return;
    }
    m_dragging = true;
    const int delta = moved > 0 ? moved - threshold : moved + threshold;
    moveTo(m_startOffset + delta);
    recordVelocity(m_offset, event->timestamp());
}

void ScrollList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (m_dragging) {
        m_dragging = false;
        settle(event->timestamp());
        return;
    }
    tapAt(qRound(event->position().y()));
}

void ScrollList::tapAt(int y) {
    const int intoList = y - contentsRect().top() - m_offset;
    if (intoList < 0 || intoList / m_rowHeight >= count()) {
        return;
    }
    const int index = intoList / m_rowHeight;
    select(index);
    emit rowSelected(index, entry(index)->key);
}

void ScrollList::recordVelocity(int offset, std::uint64_t timestamp) {
    if (timestamp > m_lastMoveTime) {
        const double speed = static_cast<double>(offset - m_lastMoveOffset) /
                             static_cast<double>(timestamp - m_lastMoveTime);
        m_velocity = kVelocitySmoothing * speed + (1.0 - kVelocitySmoothing) * m_velocity;
    }
    m_lastMoveOffset = offset;
    m_lastMoveTime = timestamp;
}

// After a drag: a list pulled past either end, or one whose rows all fit, springs back;
// otherwise it glides on with the finger's last speed, slowing to a stop, never past an
// end. An ease-out cubic starts at three times its mean speed, hence the third.
void ScrollList::settle(std::uint64_t releaseTimestamp) {
    if (m_offset > 0 || count() * m_rowHeight <= visibleHeight()) {
        animateTo(0, kSpringBackMs, QEasingCurve::OutCubic);
        return;
    }
    if (m_offset < endOffset()) {
        animateTo(endOffset(), kSpringBackMs, QEasingCurve::OutCubic);
        return;
    }
    const bool resting = releaseTimestamp > m_lastMoveTime + kFlingWindowMs;
    const double speed = resting ? 0.0 : m_velocity;
    const int glide = static_cast<int>(speed * kGlideMs / 3.0);
    const int target = std::clamp(m_offset + glide, endOffset(), 0);
    if (target != m_offset) {
        animateTo(target, kGlideMs, QEasingCurve::OutCubic);
    }
}

void ScrollList::animateTo(int offset, int duration, QEasingCurve::Type curve) {
    m_settle.stop();
    m_settle.setDuration(duration);
    m_settle.setEasingCurve(curve);
    m_settle.setStartValue(m_offset);
    m_settle.setEndValue(offset);
    m_settle.start();
}

void ScrollList::paintEvent(QPaintEvent* event) {
    StyledWidget::paintEvent(event);
    m_paintedRows = 0;
    if (m_entries.empty()) {
        return;
    }
    QPainter painter(this);
    const QRect content = contentsRect();
    painter.setClipRect(content);
    painter.setFont(font());
    int y = content.top() + m_offset + m_firstVisibleIndex * m_rowHeight;
    int index = m_firstVisibleIndex;
    for (auto row = m_firstVisible; row != m_entries.cend() && y < content.bottom() + 1;
         ++row, ++index, y += m_rowHeight) {
        if (y + m_rowHeight <= content.top()) {
            continue;
        }
        paintRow(painter, *row, index, y, index == count() - 1);
        ++m_paintedRows;
    }
}

void ScrollList::paintRow(QPainter& painter, const ScrollListEntry& row, int index, int y,
                          bool lastEntry) const {
    const QRect content = contentsRect();
    const QRect box(content.left(), y, content.width(), m_rowHeight);
    if (index == m_selected) {
        painter.fillRect(box, rgb565ToColor(kSelectedColour));
    }
    if (!lastEntry) {
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1),
                         rgb565ToColor(kSeparatorColour, kSeparatorOpacity));
    }
    int textLeft = box.left() + kTextLeft;
    if (!m_icon.isNull()) {
        const int iconTop = y + (m_rowHeight - m_icon.height()) / 2;
        painter.drawImage(QPoint(box.left() + kIconLeft, iconTop), m_icon);
        textLeft = box.left() + kIconLeft + m_icon.width() + kTextAfterIcon;
    }
    painter.setPen(rgb565ToColor(m_textColour));
    const QRect textBox(textLeft, y, box.right() - textLeft, m_rowHeight);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, row.text);
    if (!row.secondText.isEmpty()) {
        const int secondLeft = textLeft + painter.fontMetrics().horizontalAdvance(row.text);
        const QRect secondBox(secondLeft, y, box.right() - secondLeft, m_rowHeight);
        painter.drawText(secondBox, Qt::AlignLeft | Qt::AlignVCenter, row.secondText);
    }
}

} // namespace v32
