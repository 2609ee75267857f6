#include "app/values/ValueKinds.h"

#include <array>

namespace v32 {

namespace {

// A kind left at scale 0 has no record of its own.
constexpr std::array<ValueKind, kValueKindCount> kValueKinds = {{
    {1, 1, 0, 65535, 0, "", 0},        // 0
    {1, 1, 0, 1, 0, "", 100},          // 1
    {1, 1, -100, 100, 0, "", 0},       // 2 pan
    {1, 1, 0, 60, 0, "", 5},           // 3
    {10, 1, 0, 100, 1, "ms", 1},       // 4
    {1, 1, -80, 0, 0, "dB", 5},        // 5
    {1, 1, 3, 200, 0, "mS", 0},        // 6
    {1, 50, 0, 2000, 0, "mS", 0},      // 7
    {1, 1, 0, 5, 0, "", 0},            // 8
    {10, 1, -800, 0, 0, "", 0},        // 9
    {10, 5, -800, 0, 1, "dB", 5},      // 10
    {10, 100, 30, 10000, 1, "mS", 1},  // 11
    {100, 1, 100, 4100, 2, "", 5},     // 12 ratio
    {10, 500, 100, 50000, 0, "mS", 1}, // 13
    {10, 1, 0, 200, 1, "dB", 0},       // 14
    {10, 1, -1200, 100, 1, "dB", 1},   // 15 fader level
    {10, 1, -1200, 0, 1, "dB", 1},     // 16 send level
    {1, 1, 0, 65535, 0, "", 100},      // 17 filter type
    {1, 1, 0, 65535, 0, "", 100},      // 18 filter type
    {10, 1, 196, 200000, 0, "Hz", 0},  // 19 high-pass frequency
    {10, 1, 197, 206000, 0, "Hz", 0},  // 20 low-pass frequency
    {10, 1, 197, 200000, 0, "Hz", 0},  // 21 band frequency
    {10, 1, -120, 120, 1, "dB", 0},    // 22 band gain
    {100, 1, 60, 2808, 2, "", 0},      // 23 band Q
    {10, 1, 197, 200000, 0, "Hz", 0},  // 24 band frequency
    {10, 1, -120, 120, 1, "dB", 0},    // 25 band gain
    {100, 1, 60, 2808, 2, "", 0},      // 26 band Q
    {1, 1, 1, 32, 0, "", 0},           // 27 effect type
    {},                                // 28 effect parameter
    {},                                // 29 effect parameter
    {},                                // 30
    {},                                // 31
    {1, 1, 1, 32, 0, "", 0},           // 32
    {},                                // 33
    {},                                // 34
    {},                                // 35
    {},                                // 36
    {},                                // 37
    {10, 1, 0, 400, 1, "mS", 1},       // 38
    {1, 1, 0, 1, 0, "", 50},           // 39 phase
    {},                                // 40
    {},                                // 41
    {},                                // 42
    {1, 1, 0, 100, 0, "", 5},          // 43
    {1, 1, 0, 15, 0, "", 1},           // 44
}};

} // namespace

const ValueKind& valueKind(int kind) {
    if (kind < 0 || kind >= kValueKindCount || kValueKinds[kind].scale == 0) {
        return kValueKinds[0];
    }
    return kValueKinds[kind];
}

} // namespace v32
