#pragma once

#include "ui/toolkit/style/StyledWidget.h"

namespace v32 {

// A layer that covers its parent whole and follows its size, outside any layout. Touches
// pass through it to what lies beneath unless it is set to take them.
class OverlayLayer : public StyledWidget {
    Q_OBJECT

public:
    explicit OverlayLayer(QWidget* parent, const BoxStyle& style = BoxStyle::plain());

    void setTakesTouches(bool takes);
    bool takesTouches() const;

    // Shown above every sibling.
    void showOnTop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace v32
