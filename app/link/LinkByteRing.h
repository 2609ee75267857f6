#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace v32 {

// Hands received bytes from a link's reader thread to the UI thread without a lock: one
// producer pushes, one consumer pops. One slot always stays free so that equal indexes mean
// empty; a byte pushed into a full ring is dropped.
class LinkByteRing {
public:
    static constexpr std::size_t kStorageSize = 1024;
    static constexpr std::size_t kCapacity = kStorageSize - 1;

    // Producer side. pushBytes stores the leading bytes that fit and returns their count.
    bool push(std::uint8_t byte);
    std::size_t pushBytes(std::span<const std::uint8_t> bytes);

    // Consumer side. popBytes fills out from the front and returns the count taken.
    bool pop(std::uint8_t& byte);
    std::size_t popBytes(std::span<std::uint8_t> out);

    // Exact from either side when the other one is idle, otherwise a snapshot.
    std::size_t size() const;
    bool empty() const { return size() == 0; }

    // Only while neither a producer nor a consumer is running.
    void clear();

private:
    static constexpr std::size_t next(std::size_t index) { return (index + 1) % kStorageSize; }

    std::array<std::uint8_t, kStorageSize> storage_{};
    std::atomic<std::size_t> readIndex_{0};
    std::atomic<std::size_t> writeIndex_{0};
};

} // namespace v32
