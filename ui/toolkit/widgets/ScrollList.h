#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"
#include "ui/toolkit/widgets/ScrollListEntry.h"

#include <QImage>
#include <QVariantAnimation>
#include <cstdint>
#include <list>

namespace v32 {

class FontCache;

// A list for thousands of rows (a USB disk's folders and files): one widget that keeps its
// entries in a linked list and paints only the rows in view. A finger drag scrolls it, a
// list pulled past either end springs back, a fling glides on, and a tap selects a row.
//
// The scroll offset is 0 at the top and negative when scrolled down. The first row in view
// is cached with its index, so that painting and scrolling never walk the list from the
// start, and appending is constant time.
class ScrollList : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kTextLength = 63;
    static constexpr int kSpringBackMs = 200;
    static constexpr int kGlideMs = 1000;

    explicit ScrollList(FontCache& fonts, QWidget* parent = nullptr);

    // Inserts before position, or appends for -1 (or any position past the end); the text
    // is cut to 63 characters; the key comes back when the row is tapped. Returns the new
    // entry's index.
    int addEntry(int position, const QString& text, int key = ScrollListEntry::kNoKey);
    // Null for an index out of range.
    const ScrollListEntry* entry(int index) const;
    // In order, for walking from one entry to the next.
    const std::list<ScrollListEntry>& entries() const { return m_entries; }
    void setSecondText(int index, const QString& text);
    int count() const { return static_cast<int>(m_entries.size()); }
    void clear();

    // Only an index below the count is taken; returns whether it was.
    bool select(int index);
    int selectedIndex() const { return m_selected; }

    int rowHeight() const { return m_rowHeight; }
    // Replaces the default, the line height of the font.
    void setRowHeight(int height);
    void setIcon(const QImage& icon);
    void setTextColour(std::uint16_t colour);

    int scrollOffset() const { return m_offset; }
    // Scrolls without animation, kept between the top and the end of the list.
    void setScrollOffset(int offset);

    // How many rows the last paint drew.
    int paintedRowCount() const { return m_paintedRows; }

signals:
    // The selection changed or the list was cleared.
    void valueChanged();
    // The user tapped a row: its index and its entry's key.
    void rowSelected(int index, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    using EntryIterator = std::list<ScrollListEntry>::iterator;
    using ConstEntryIterator = std::list<ScrollListEntry>::const_iterator;

    ConstEntryIterator iteratorAt(int index) const;
    EntryIterator mutableIteratorAt(int index);
    int visibleHeight() const;
    int endOffset() const;
    void moveTo(int offset);
    void updateVisibleRows();
    void tapAt(int y);
    void recordVelocity(int offset, std::uint64_t timestamp);
    void settle(std::uint64_t releaseTimestamp);
    void animateTo(int offset, int duration, QEasingCurve::Type curve);
    void paintRow(QPainter& painter, const ScrollListEntry& entry, int index, int y,
                  bool lastEntry) const;

    std::list<ScrollListEntry> m_entries;
    int m_rowHeight = 0;
    bool m_rowHeightSet = false;
    QImage m_icon;
    std::uint16_t m_textColour = palette::kWhite;
    int m_selected = -1;
    int m_offset = 0;

    // The first row in view and its index.
    ConstEntryIterator m_firstVisible;
    int m_firstVisibleIndex = 0;

    bool m_dragging = false;
    int m_pressY = 0;
    int m_startOffset = 0;
    double m_velocity = 0;
    int m_lastMoveOffset = 0;
    std::uint64_t m_lastMoveTime = 0;

    QVariantAnimation m_settle{this};
    int m_paintedRows = 0;
};

} // namespace v32
