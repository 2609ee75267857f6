#pragma once

#include "app/link/ReceiveQueue.h"
#include "app/protocol/Frame.h"

#include <array>
#include <cstdint>
#include <span>

namespace v32 {

// Cuts whole, checked frames out of the receive queue into one frame buffer. Normal mode
// works at the front of the queue and throws away whatever cannot start a frame there; scan
// mode looks for a frame further in and removes nothing until it finds one, so that bytes
// which may still complete an earlier candidate are kept. Neither mode reads beyond the
// bytes queued.
class FrameReader {
public:
    enum class Mode : std::uint8_t {
        Normal,
        Scan,
    };

    explicit FrameReader(ReceiveQueue& queue);

    // The next frame, valid until the next call; empty when there is none (yet).
    std::span<const std::uint8_t> next(Mode mode);

private:
    std::span<const std::uint8_t> nextAtFront();
    std::span<const std::uint8_t> nextFurtherIn();
    void dropUntilStart();
    // The candidate frame starting at offset, copied into the buffer, if it is whole and
    // its CRC matches.
    std::span<const std::uint8_t> candidateAt(std::size_t offset, std::size_t length);

    ReceiveQueue& m_queue;
    std::array<std::uint8_t, kFrameCapacity> m_frame{};
};

} // namespace v32
