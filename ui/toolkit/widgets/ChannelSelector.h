#pragma once

#include "ui/toolkit/widgets/ButtonBase.h"

#include <QImage>
#include <functional>

namespace v32 {

class ImageCache;

// A channel name between two arrows that step to the previous and next channel. A short
// click on an arrow reports that arrow to the owner's callback; a click on the name emits
// clicked(), so selectors can form a selection group and show the chosen one checked.
class ChannelSelector : public ButtonBase {
    Q_OBJECT

public:
    enum Arrow : int {
        Previous = 0,
        Next = 1,
    };
    using Callback = std::function<void(int arrow, void* user)>;

    static constexpr std::uint16_t kCheckedColour = 0x0377;

    explicit ChannelSelector(ImageCache& images, QWidget* parent = nullptr);

    void setCallback(Callback callback, void* user);

    QRect arrowRect(Arrow arrow) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int arrowAt(QPoint point) const;
    void paintArrow(QPainter& painter, Arrow arrow) const;

    QImage m_previousArrow;
    QImage m_nextArrow;
    Callback m_callback;
    void* m_user = nullptr;
    int m_pressedArrow = -1;
};

} // namespace v32
