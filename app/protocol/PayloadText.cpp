#include "app/protocol/PayloadText.h"

#include <algorithm>

namespace v32 {

std::string_view payloadText(std::span<const std::uint8_t> bytes) {
    const auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return {reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::size_t>(nul - bytes.begin())};
}

std::span<const std::uint8_t> textBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace v32
