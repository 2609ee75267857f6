#pragma once

#include <QLayout>
#include <QList>
#include <vector>

namespace v32 {

enum class FlexFlow {
    Row,
    Column,
    RowWrap,
    ColumnWrap,
};

enum class FlexAlign {
    Start,
    End,
    Center,
    SpaceEvenly,
    SpaceAround,
    SpaceBetween,
};

// Lays its items out one after another along a row or a column, breaking into further
// tracks when the flow wraps. Free space goes to the items that grow (their size policy's
// stretch along the flow), else it is placed by the main-axis alignment. Items whose size
// policy expands across the flow fill their track; the others keep their size hint and are
// placed by the cross alignment. Hidden widgets take no space.
class FlexLayout : public QLayout {
    Q_OBJECT

public:
    explicit FlexLayout(QWidget* parent = nullptr);
    ~FlexLayout() override;

    void setFlow(FlexFlow flow);
    void setAlignment(FlexAlign main, FlexAlign cross, FlexAlign track);
    // The space between neighbours and between tracks; negative keeps the current gap.
    void setGap(int gap);
    int gap() const { return m_gap; }

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Track {
        std::vector<QLayoutItem*> items;
        int mainUsed = 0;
        int crossSize = 0;
    };

    bool isRow() const;
    bool wraps() const;
    int mainOf(QSize size) const;
    int crossOf(QSize size) const;
    QSize sizeFrom(int main, int cross) const;
    int growOf(const QLayoutItem* item) const;
    bool fillsCross(const QLayoutItem* item) const;
    std::vector<Track> tracks(int mainAvailable) const;
    QSize totalSize(bool minimum) const;
    void placeTrack(const Track& track, const QRect& area, int crossStart, int crossSize);

    QList<QLayoutItem*> m_items;
    FlexFlow m_flow = FlexFlow::Row;
    FlexAlign m_main = FlexAlign::Start;
    FlexAlign m_cross = FlexAlign::Start;
    FlexAlign m_track = FlexAlign::Start;
    int m_gap = 0;
};

} // namespace v32
