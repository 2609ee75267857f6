#pragma once

#include "ui/toolkit/framework/OverlayLayer.h"

namespace v32 {

class TextLabel;

// Covers everything, for good, when the link has been switched off because the device is
// not one this program may drive: the screen goes dark with the reason in the middle, and
// nothing beneath can be touched any more.
class ConnectionIssueOverlay : public OverlayLayer {
    Q_OBJECT

public:
    static constexpr int kOpacity = 204;

    explicit ConnectionIssueOverlay(QWidget* parent);

    void showText(const QString& text);
    TextLabel& label() const { return *m_label; }

private:
    TextLabel* m_label;
};

} // namespace v32
