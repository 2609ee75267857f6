#include "platform/DisplayAvailability.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace v32 {
namespace {

bool hasDisplayWith(const std::map<std::string, std::string>& environment) {
    return DisplayAvailability::hasDisplay([&](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(DisplayAvailabilityTest, AnyDisplayOrChosenPlatformWillDo) {
    const struct {
        std::map<std::string, std::string> environment;
        bool available;
    } cases[] = {
        {{}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, false},
        {{{"HOME", "/root"}}, false},
        {{{"DISPLAY", ":99"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"DISPLAY", ""}, {"QT_QPA_PLATFORM", "offscreen"}}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hasDisplayWith(c.environment), c.available) << c.environment.size();
    }
}

} // namespace
} // namespace v32
