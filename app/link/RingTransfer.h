#pragma once

#include "app/link/FrameDump.h"
#include "app/link/LinkByteRing.h"
#include "app/link/ReceiveQueue.h"

#include <cstddef>

namespace v32 {

// Bytes a threaded link moves into the receive queue per main-loop pass.
inline constexpr std::size_t kMaxBytesPerPoll = 320;

// The poll of the threaded links: takes at most kMaxBytesPerPoll bytes from the ring, and no
// more than the queue has room for, so that bytes the queue cannot take yet wait in the ring
// instead of being lost. Dumps the block and returns its size.
std::size_t moveRingToQueue(LinkByteRing& ring, ReceiveQueue& queue, const FrameDump& dump);

} // namespace v32
