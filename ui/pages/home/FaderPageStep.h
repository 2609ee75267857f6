#pragma once

#include <cstdint>

namespace v32 {

// The level a turn of the encoder by delta leaves: the fader and send levels step through
// the detents of their value kind, from the detent nearest to where they stand, and stop
// at either end. Only the level bits are given and returned; kinds without detents stay
// where they are.
std::uint16_t steppedLevel(int valueKind, std::uint16_t level, int delta);

} // namespace v32
