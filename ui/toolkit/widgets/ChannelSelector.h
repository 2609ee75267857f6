#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/ButtonBase.h"

#include <QImage>

namespace v32 {

class ImageCache;

// A channel name between two arrows that step to the previous and next channel. A short
// click on an arrow emits arrowClicked(); a click on the name emits clicked(), so selectors
// can form a selection group and show the chosen one checked.
class ChannelSelector : public ButtonBase {
    Q_OBJECT

public:
    enum Arrow : int {
        Previous = 0,
        Next = 1,
    };

    static constexpr std::uint16_t kCheckedColour = palette::kCheckedBlue;

    explicit ChannelSelector(ImageCache& images, QWidget* parent = nullptr);

    QRect arrowRect(Arrow arrow) const;

signals:
    void arrowClicked(Arrow arrow);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int arrowAt(QPoint point) const;
    void paintArrow(QPainter& painter, Arrow arrow) const;

    QImage m_previousArrow;
    QImage m_nextArrow;
    int m_pressedArrow = -1;
};

} // namespace v32
