#include "ui/toolkit/style/StyleHelpers.h"

#include "ui/toolkit/style/StyledWidget.h"

namespace v32 {

namespace {

void applyGrow(QWidget& widget, int factor) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setHorizontalStretch(factor);
    policy.setVerticalStretch(factor);
    widget.setSizePolicy(policy);
}

void applyWidth(QWidget& widget, int width) {
    if (width > 0) {
        widget.setFixedWidth(width);
    } else if (width < 0) {
        applyGrow(widget, -width);
    }
}

void applyHeight(QWidget& widget, int height) {
    if (height > 0) {
        widget.setFixedHeight(height);
    } else if (height < 0) {
        applyGrow(widget, -height);
    }
}

} // namespace

void applyBoxStyle(StyledWidget& widget, const BoxSpec& box) {
    if (box.padding >= 0) {
        widget.setPadding(box.padding);
    }
    widget.setBackground(box.background, box.backgroundOpacity);
    if (box.radius >= 0) {
        widget.setRadius(box.radius);
    }
    const BoxStyle& style = widget.boxStyle();
    widget.setBorder(box.borderWidth, style.border, style.borderOpacity);
    applyWidth(widget, box.width);
    applyHeight(widget, box.height);
}

FlexLayout* applyFlexStyle(QWidget& widget, FlexFlow flow, FlexAlign main, FlexAlign cross,
                           FlexAlign track, int gap) {
    auto* layout = qobject_cast<FlexLayout*>(widget.layout());
    if (layout == nullptr) {
        delete widget.layout();
        layout = new FlexLayout(&widget);
    }
    layout->setFlow(flow);
    layout->setAlignment(main, cross, track);
    layout->setGap(gap);
    return layout;
}

} // namespace v32
