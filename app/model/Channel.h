#pragma once

#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamId.h"

namespace v32 {

// A mixer channel addressed by its kind and its index within that kind.
struct Channel {
    int kind = KindNone;
    int index = 0;

    bool operator==(const Channel&) const = default;
};

// Inputs 28/29, 30/31 and 32/33 are fixed stereo pairs: the left half carries the channel,
// the right half only its own meter and sends.
inline constexpr bool isStereoLeftInput(int index) {
    return index == InputIndex::kFirstStereo || index == InputIndex::kFirstStereo + 2 ||
           index == InputIndex::kDigital;
}

inline constexpr bool isStereoRightInput(int index) {
    return index == 29 || index == 31 || index == 33;
}

} // namespace v32
