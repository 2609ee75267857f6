#include "app/core/FactoryMarker.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace v32 {

namespace {

struct MarkerArea {
    char bytes[kFactoryMarkerSize];
};

// Evaluated only while compiling, so the area below is the program's one copy of the text
// and the factory tool finds nothing else to patch.
consteval MarkerArea unmarkedArea() {
    constexpr std::string_view text = "####{EF2DB340-CD66-46BC-9D6C-42E8C347BC83}####";
    static_assert(text.size() == kFactoryMarkerSize);
    MarkerArea area{};
    std::copy(text.begin(), text.end(), area.bytes);
    return area;
}

// "FACTORY" with its NUL.
constexpr std::string_view kFactoryText{"FACTORY", 8};

// Mutable and kept, so that neither the compiler nor the linker folds the check away.
[[gnu::used]] MarkerArea programMarkerArea = unmarkedArea();

} // namespace

bool isFactoryMarker(std::span<const char, kFactoryMarkerSize> area) {
    return std::equal(kFactoryText.begin(), kFactoryText.end(), area.begin());
}

bool programHasFactoryMarker() {
    // Copied through a volatile view: the bytes on disk may differ from the initialiser.
    const volatile char* source = programMarkerArea.bytes;
    std::array<char, kFactoryMarkerSize> area{};
    for (std::size_t i = 0; i < area.size(); ++i) {
        area[i] = source[i];
    }
    return isFactoryMarker(area);
}

} // namespace v32
