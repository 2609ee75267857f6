#pragma once

#include <cstdint>
#include <string_view>

namespace v32 {

// Short messages over every screen, such as the results of the device's text commands.
class ToastListener {
public:
    virtual ~ToastListener() = default;

    // colour is RGB 5-6-5.
    virtual void showToast(std::string_view text, std::uint16_t colour,
                           std::uint32_t durationMs) = 0;
};

} // namespace v32
