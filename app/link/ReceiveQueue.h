#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace v32 {

// The bytes received on the UI thread and not yet cut into frames. The frame reader looks
// at them by offset from the front, copies candidates out and drops what it has used or
// discarded. A full flag tells a full queue from an empty one, so all 1024 bytes are usable.
class ReceiveQueue {
public:
    static constexpr std::size_t kCapacity = 1024;

    // All or nothing: when the bytes do not all fit, none are stored and false is returned.
    bool append(std::span<const std::uint8_t> bytes);

    std::size_t size() const;
    std::size_t freeSpace() const { return kCapacity - size(); }
    bool empty() const { return size() == 0; }
    bool full() const { return full_; }

    // The byte at offset from the front; none when offset is not below size().
    std::optional<std::uint8_t> peek(std::size_t offset) const;

    // Copies the queued bytes from offset on into out, as many as both have; returns the
    // count copied (0 when offset is not below size()).
    std::size_t copyOut(std::size_t offset, std::span<std::uint8_t> out) const;

    // Drops count bytes from the front, or everything when fewer are queued.
    void consume(std::size_t count);

    void clear();

private:
    static constexpr std::size_t wrap(std::size_t index) { return index % kCapacity; }

    std::array<std::uint8_t, kCapacity> storage_{};
    std::size_t readIndex_ = 0;
    std::size_t writeIndex_ = 0;
    bool full_ = false;
};

} // namespace v32
