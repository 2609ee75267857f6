#pragma once

#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"

#include <cstdint>
#include <span>
#include <vector>

namespace v32::e2e {

using Bytes = std::vector<std::uint8_t>;

// A whole frame of this code and payload, as either end puts it on the wire.
Bytes frameOf(MessageCode code, std::span<const std::uint8_t> payload);

// What a pair-list frame (set, report, notify) carries.
std::vector<ParamPair> pairsOf(std::span<const std::uint8_t> frame);
// The identifiers a parameter query asks for.
std::vector<ParamId> idsOf(std::span<const std::uint8_t> frame);

// Cuts a byte stream of whole frames into frames; a byte that starts no valid frame is
// stepped over, and an unfinished frame at the end is left out.
std::vector<Bytes> cutFrames(std::span<const std::uint8_t> stream);

} // namespace v32::e2e
