#include "bench/NotifyStreamLink.h"

#include "app/link/ReceiveQueue.h"
#include "app/link/RingTransfer.h"
#include "app/protocol/Frame.h"
#include "app/protocol/PairList.h"

#include <algorithm>
#include <array>

namespace v32::bench {

namespace {

// Ordinary mixer parameters (no live data), spread over the channels.
constexpr ParamId kFirstNotified = 100;
constexpr ParamId kNotifiedStride = 7;

} // namespace

NotifyStreamLink::NotifyStreamLink() {
    std::array<ParamPair, kMaxPairsPerFrame> pairs{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = {static_cast<ParamId>(kFirstNotified + i * kNotifiedStride),
                    static_cast<std::uint16_t>(i)};
    }
    std::array<std::uint8_t, kMaxPairsPerFrame * kPairSize> payload{};
    encodePairs(pairs, payload);
    std::array<std::uint8_t, kFrameCapacity> frame{};
    const std::size_t length = buildFrame(frame, MSG_PARAM_NOTIFY, payload);
    m_frame.assign(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length));
}

bool NotifyStreamLink::sendFrame(std::span<const std::uint8_t> frame) {
    m_echoes += frame.size() > 2 && frame[2] == MSG_PARAM_NOTIFY ? 1 : 0;
    return true;
}

// Delivers what a threaded link would: at most 320 bytes and no more than the queue takes,
// cut anywhere in the stream.
std::size_t NotifyStreamLink::poll(ReceiveQueue& queue) {
    std::size_t moved = 0;
    const std::size_t wanted = std::min(kMaxBytesPerPoll, queue.freeSpace());
    while (moved < wanted) {
        const std::size_t count = std::min(wanted - moved, m_frame.size() - m_offset);
        queue.append(std::span(m_frame).subspan(m_offset, count));
        m_offset = (m_offset + count) % m_frame.size();
        moved += count;
    }
    return moved;
}

} // namespace v32::bench
