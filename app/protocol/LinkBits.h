#pragma once

#include <cstdint>

namespace v32 {

// A stereo link word holds one bit per channel pair: bit p links channels 2p and 2p + 1.
class LinkBits {
public:
    static constexpr int kPairsPerWord = 16;

    static constexpr int pairOf(int index) { return index / 2; }

    static constexpr bool isLinked(std::uint16_t links, int index) {
        const int pair = pairOf(index);
        return pair < kPairsPerWord && ((links >> pair) & 1U) != 0;
    }
};

} // namespace v32
