#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace v32::dc {

// Bytes for a stream (a TCP connection or a serial line) that the descriptor has not taken
// yet. A frame is never cut: what the descriptor does not take now waits, in order, until
// it is writable again. A peer that stops reading fills the buffer, and then the buffer
// overflows rather than grow without end.
class OutputBuffer {
public:
    enum class Kind : std::uint8_t {
        Socket,
        Terminal,
    };

    OutputBuffer(Kind kind, std::size_t capacity);

    // Queues the bytes and writes what the descriptor takes; false (and nothing queued)
    // when they do not fit.
    bool write(int fd, std::span<const std::uint8_t> bytes);
    // Writes what waits; false when the descriptor reports an error.
    bool flush(int fd);
    bool hasPending() const { return !pending_.empty(); }
    void clear() { pending_.clear(); }

private:
    const Kind kind_;
    const std::size_t capacity_;
    std::vector<std::uint8_t> pending_;
};

} // namespace v32::dc
