#pragma once

#include <cstdint>

namespace v32 {

// Group membership is one bit per channel slot, sixteen slots to a word, in consecutive
// parameter numbers from the group's first member word.
class MemberBits {
public:
    static constexpr int kSlotsPerWord = 16;

    // Offset of the slot's word from the first member word.
    static constexpr int wordOf(int slot) { return slot / kSlotsPerWord; }

    static constexpr std::uint16_t bitOf(int slot) {
        return static_cast<std::uint16_t>(1U << (slot % kSlotsPerWord));
    }

    static constexpr bool contains(std::uint16_t word, int slot) {
        return (word & bitOf(slot)) != 0;
    }
};

} // namespace v32
