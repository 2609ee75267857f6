#include "app/link/RingTransfer.h"

#include <algorithm>
#include <array>

namespace v32 {

std::size_t moveRingToQueue(LinkByteRing& ring, ReceiveQueue& queue, const FrameDump& dump) {
    std::array<std::uint8_t, kMaxBytesPerPoll> block;
    const std::size_t room = std::min(block.size(), queue.freeSpace());
    const std::size_t count = ring.popBytes(std::span(block).first(room));
    if (count == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> moved(block.data(), count);
    dump.printReceived(moved);
    queue.append(moved);
    return count;
}

} // namespace v32
