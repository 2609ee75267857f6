#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

namespace v32 {

// The chain link a strip of a linked stereo pair wears on the side of its partner.
class LinkMarker : public StyledWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{22, 12};
    static constexpr std::uint16_t kColour = palette::kMint;

    explicit LinkMarker(QWidget* parent = nullptr);

    QSize sizeHint() const override { return kSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace v32
