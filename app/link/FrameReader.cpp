#include "app/link/FrameReader.h"

#include <optional>

namespace v32 {

namespace {

// The length that the covered-length byte after a start byte announces.
std::size_t announcedLength(std::uint8_t covered) {
    return std::size_t{covered} + kFrameCrcSize;
}

} // namespace

FrameReader::FrameReader(ReceiveQueue& queue)
    : m_queue(queue) {}

std::span<const std::uint8_t> FrameReader::next(Mode mode) {
    return mode == Mode::Normal ? nextAtFront() : nextFurtherIn();
}

std::span<const std::uint8_t> FrameReader::nextAtFront() {
    for (;;) {
        dropUntilStart();
        if (m_queue.size() < kMinFrameSize) {
            return {};
        }
        const std::size_t length = announcedLength(*m_queue.peek(1));
        if (m_queue.size() < length) {
            return {};
        }
        if (length > kFrameCapacity) {
            // No buffer on either end can hold it, so it can never be handled.
            m_queue.consume(length);
            return {};
        }
        const std::span<const std::uint8_t> frame = candidateAt(0, length);
        if (!frame.empty()) {
            m_queue.consume(length);
            return frame;
        }
        // A bad candidate costs only its start byte: a real frame may begin inside it.
        m_queue.consume(1);
    }
}

std::span<const std::uint8_t> FrameReader::nextFurtherIn() {
    const std::size_t queued = m_queue.size();
    for (std::size_t offset = 0; offset + kMinFrameSize <= queued; ++offset) {
        if (m_queue.peek(offset) != kFrameStart) {
            continue;
        }
        const std::size_t length = announcedLength(*m_queue.peek(offset + 1));
        // An oversized candidate is stepped over as well: removing it here could take
        // frames behind it along.
        if (length > kFrameCapacity || offset + length > queued) {
            continue;
        }
        const std::span<const std::uint8_t> frame = candidateAt(offset, length);
        if (!frame.empty()) {
            m_queue.consume(offset + length);
            return frame;
        }
    }
    return {};
}

void FrameReader::dropUntilStart() {
    while (const std::optional<std::uint8_t> byte = m_queue.peek(0)) {
        if (*byte == kFrameStart) {
            return;
        }
        m_queue.consume(1);
    }
}

std::span<const std::uint8_t> FrameReader::candidateAt(std::size_t offset, std::size_t length) {
    const std::span<std::uint8_t> candidate = std::span(m_frame).first(length);
    if (m_queue.copyOut(offset, candidate) != length ||
        checkFrame(candidate).status != FrameStatus::Ok) {
        return {};
    }
    return candidate;
}

} // namespace v32
