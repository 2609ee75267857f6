#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

// The thin bar over a strip in the channel's colour, as the bank overview marks its cells.
class FaderPageColourBar : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 4;

    explicit FaderPageColourBar(QWidget* parent = nullptr);

    // RGB 5-6-5.
    void setColour(std::uint16_t colour);
    std::uint16_t colour() const { return boxStyle().background; }
};

} // namespace v32
