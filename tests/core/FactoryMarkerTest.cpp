#include "app/core/FactoryMarker.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace v32 {
namespace {

using namespace std::string_view_literals;

std::array<char, kFactoryMarkerSize> area(std::string_view start) {
    std::array<char, kFactoryMarkerSize> bytes{};
    bytes.fill('#');
    std::copy(start.begin(), start.end(), bytes.begin());
    return bytes;
}

struct MarkerCase {
    std::string_view start;
    bool factory;
};

TEST(FactoryMarkerTest, OnlyFactoryWithItsNulMarks) {
    const std::array<MarkerCase, 6> cases{{
        {"####{EF2DB340-CD66-46BC-9D6C-42E8C347BC83}####"sv, false},
        {"FACTORY\0"sv, true},
        {"FACTORY\0garbage"sv, true},
        {"FACTORY#"sv, false},
        {"factory\0"sv, false},
        {"FACTOR\0\0"sv, false},
    }};
    for (const MarkerCase& c : cases) {
        EXPECT_EQ(isFactoryMarker(area(c.start)), c.factory) << c.start;
    }
}

TEST(FactoryMarkerTest, UnpatchedProgramIsNotInFactoryMode) {
    EXPECT_FALSE(programHasFactoryMarker());
}

} // namespace
} // namespace v32
