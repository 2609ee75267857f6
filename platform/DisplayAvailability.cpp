#include "platform/DisplayAvailability.h"

#include <array>
#include <cstdlib>

namespace v32 {

bool DisplayAvailability::hasDisplay(const EnvironmentLookup& lookup) {
    constexpr std::array<const char*, 3> kDisplayVariables{"QT_QPA_PLATFORM", "DISPLAY",
                                                           "WAYLAND_DISPLAY"};
    for (const char* name : kDisplayVariables) {
        const char* value = lookup(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

bool DisplayAvailability::hasDisplay() {
    return hasDisplay([](const char* name) { return std::getenv(name); });
}

} // namespace v32
