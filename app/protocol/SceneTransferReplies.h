#pragma once

#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"

#include <cstdint>
#include <span>

namespace v32 {

// Replies to the scene transfer requests. Each takes a whole checked frame of its code,
// returns whether it matches the pending request and, if it does, stores what it carries
// and sets the request's done flag. A reply that does not match changes nothing.

// Values from the requested start on; those that would land above 5862 are dropped.
bool acceptBlockReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                          SceneImage& image);
bool acceptBlockWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state);
bool acceptBlockCommitReply(std::span<const std::uint8_t> frame, SceneTransferState& state);
// The requested text item, at most 31 characters.
bool acceptBlockNameReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                              SceneImage& image);
bool acceptBlockNameWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state);
// The scene name, at most 31 characters.
bool acceptBlockTextReadReply(std::span<const std::uint8_t> frame, SceneTransferState& state,
                              SceneImage& image);
bool acceptBlockTextWriteReply(std::span<const std::uint8_t> frame, SceneTransferState& state);

} // namespace v32
