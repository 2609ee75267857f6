#include "ui/toolkit/style/FlexLayout.h"

#include <QWidget>
#include <algorithm>

namespace v32 {

namespace {

struct Spacing {
    int before = 0;
    int between = 0;
};

// Where free space goes for one alignment: before the first item and between items.
Spacing distribute(FlexAlign align, int free, int count) {
    free = std::max(0, free);
    switch (align) {
    case FlexAlign::Start:
        return {};
    case FlexAlign::End:
        return {free, 0};
    case FlexAlign::Center:
        return {free / 2, 0};
    case FlexAlign::SpaceEvenly:
        return {free / (count + 1), free / (count + 1)};
    case FlexAlign::SpaceAround:
        return {free / (2 * count), free / count};
    case FlexAlign::SpaceBetween:
        return {0, count > 1 ? free / (count - 1) : 0};
    }
    return {};
}

int placeWithin(FlexAlign align, int free) {
    return distribute(align == FlexAlign::End || align == FlexAlign::Center ? align
                                                                            : FlexAlign::Start,
                      free, 1)
        .before;
}

} // namespace

FlexLayout::FlexLayout(QWidget* parent)
    : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FlexLayout::~FlexLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlexLayout::setFlow(FlexFlow flow) {
    m_flow = flow;
    invalidate();
}

void FlexLayout::setAlignment(FlexAlign main, FlexAlign cross, FlexAlign track) {
    m_main = main;
    m_cross = cross;
    m_track = track;
    invalidate();
}

void FlexLayout::setGap(int gap) {
    if (gap >= 0) {
        m_gap = gap;
        invalidate();
    }
}

void FlexLayout::addItem(QLayoutItem* item) {
    m_items.append(item);
    invalidate();
}

int FlexLayout::count() const {
    return static_cast<int>(m_items.size());
}

QLayoutItem* FlexLayout::itemAt(int index) const {
    return m_items.value(index);
}

QLayoutItem* FlexLayout::takeAt(int index) {
    if (index < 0 || index >= m_items.size()) {
        return nullptr;
    }
    invalidate();
    return m_items.takeAt(index);
}

bool FlexLayout::isRow() const {
    return m_flow == FlexFlow::Row || m_flow == FlexFlow::RowWrap;
}

bool FlexLayout::wraps() const {
    return m_flow == FlexFlow::RowWrap || m_flow == FlexFlow::ColumnWrap;
}

int FlexLayout::mainOf(QSize size) const {
    return isRow() ? size.width() : size.height();
}

int FlexLayout::crossOf(QSize size) const {
    return isRow() ? size.height() : size.width();
}

QSize FlexLayout::sizeFrom(int main, int cross) const {
    return isRow() ? QSize(main, cross) : QSize(cross, main);
}

int FlexLayout::growOf(const QLayoutItem* item) const {
    const QWidget* widget = item->widget();
    if (widget == nullptr) {
        return 0;
    }
    const QSizePolicy policy = widget->sizePolicy();
    return isRow() ? policy.horizontalStretch() : policy.verticalStretch();
}

bool FlexLayout::fillsCross(const QLayoutItem* item) const {
    return (item->expandingDirections() & (isRow() ? Qt::Vertical : Qt::Horizontal)) != 0;
}

std::vector<FlexLayout::Track> FlexLayout::tracks(int mainAvailable) const {
    std::vector<Track> result(1);
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize hint = item->sizeHint();
        Track* track = &result.back();
        const int needed = (track->items.empty() ? 0 : m_gap) + mainOf(hint);
        if (wraps() && !track->items.empty() && track->mainUsed + needed > mainAvailable) {
            track = &result.emplace_back();
        }
        track->mainUsed += (track->items.empty() ? 0 : m_gap) + mainOf(hint);
        track->crossSize = std::max(track->crossSize, crossOf(hint));
        track->items.push_back(item);
    }
    return result;
}

QSize FlexLayout::totalSize(bool minimum) const {
    int main = 0;
    int cross = 0;
    int shown = 0;
    for (const QLayoutItem* item : m_items) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize size = minimum ? item->minimumSize() : item->sizeHint();
        // A wrapping flow can fall back to one item per track.
        main = wraps() && minimum ? std::max(main, mainOf(size))
                                  : main + mainOf(size) + (shown > 0 ? m_gap : 0);
        cross = std::max(cross, crossOf(size));
        ++shown;
    }
    const QMargins margins = contentsMargins();
    return sizeFrom(main, cross) +
           QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlexLayout::sizeHint() const {
    return totalSize(false);
}

QSize FlexLayout::minimumSize() const {
    return totalSize(true);
}

Qt::Orientations FlexLayout::expandingDirections() const {
    return {};
}

void FlexLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const std::vector<Track> all = tracks(mainOf(area.size()));
    const int crossAvailable = crossOf(area.size());
    if (all.size() == 1) {
        placeTrack(all.front(), area, 0, crossAvailable);
        return;
    }
    int used = m_gap * static_cast<int>(all.size() - 1);
    for (const Track& track : all) {
        used += track.crossSize;
    }
    const Spacing spacing =
        distribute(m_track, crossAvailable - used, static_cast<int>(all.size()));
    int crossStart = spacing.before;
    for (const Track& track : all) {
        placeTrack(track, area, crossStart, track.crossSize);
        crossStart += track.crossSize + m_gap + spacing.between;
    }
}

void FlexLayout::placeTrack(const Track& track, const QRect& area, int crossStart, int crossSize) {
    if (track.items.empty()) {
        return;
    }
    const int count = static_cast<int>(track.items.size());
    const int free = mainOf(area.size()) - track.mainUsed;
    int totalGrow = 0;
    for (const QLayoutItem* item : track.items) {
        totalGrow += growOf(item);
    }
    const Spacing spacing = totalGrow > 0 ? Spacing{} : distribute(m_main, free, count);
    int growLeft = std::max(0, free);
    int growWeightLeft = totalGrow;
    int main = spacing.before;
    for (QLayoutItem* item : track.items) {
        int length = mainOf(item->sizeHint());
        if (const int grow = growOf(item); grow > 0) {
            const int share = growLeft * grow / growWeightLeft;
            growLeft -= share;
            growWeightLeft -= grow;
            length = std::min(length + share, mainOf(item->maximumSize()));
        }
        const int cross = fillsCross(item) ? std::min(crossSize, crossOf(item->maximumSize()))
                                           : std::min(crossSize, crossOf(item->sizeHint()));
        const int crossOffset = crossStart + placeWithin(m_cross, crossSize - cross);
        const QPoint origin = isRow() ? QPoint(area.left() + main, area.top() + crossOffset)
                                      : QPoint(area.left() + crossOffset, area.top() + main);
        item->setGeometry(QRect(origin, sizeFrom(length, cross)));
        main += length + m_gap + spacing.between;
    }
}

} // namespace v32
