#include "app/link/LinkByteRing.h"

namespace v32 {

// Each side owns one index: it reads its own relaxed, reads the other's with acquire (so the
// bytes or the free slots behind it are visible) and publishes its own with release after
// touching the storage.

bool LinkByteRing::push(std::uint8_t byte) {
    const std::size_t write = writeIndex_.load(std::memory_order_relaxed);
    const std::size_t following = next(write);
    if (following == readIndex_.load(std::memory_order_acquire)) {
        return false;
    }
    storage_[write] = byte;
    writeIndex_.store(following, std::memory_order_release);
    return true;
}

std::size_t LinkByteRing::pushBytes(std::span<const std::uint8_t> bytes) {
    std::size_t stored = 0;
    while (stored < bytes.size() && push(bytes[stored])) {
        ++stored;
    }
    return stored;
}

bool LinkByteRing::pop(std::uint8_t& byte) {
    const std::size_t read = readIndex_.load(std::memory_order_relaxed);
    if (read == writeIndex_.load(std::memory_order_acquire)) {
        return false;
    }
    byte = storage_[read];
    readIndex_.store(next(read), std::memory_order_release);
    return true;
}

std::size_t LinkByteRing::popBytes(std::span<std::uint8_t> out) {
    std::size_t taken = 0;
    while (taken < out.size() && pop(out[taken])) {
        ++taken;
    }
    return taken;
}

std::size_t LinkByteRing::size() const {
    const std::size_t read = readIndex_.load(std::memory_order_acquire);
    const std::size_t write = writeIndex_.load(std::memory_order_acquire);
    return (write + kStorageSize - read) % kStorageSize;
}

void LinkByteRing::clear() {
    readIndex_.store(0, std::memory_order_relaxed);
    writeIndex_.store(0, std::memory_order_relaxed);
}

} // namespace v32
