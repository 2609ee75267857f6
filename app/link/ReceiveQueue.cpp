#include "app/link/ReceiveQueue.h"

#include <algorithm>

namespace v32 {

bool ReceiveQueue::append(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > freeSpace()) {
        return false;
    }
    if (bytes.empty()) {
        return true;
    }
    const std::size_t untilEnd = std::min(bytes.size(), kCapacity - writeIndex_);
    std::copy_n(bytes.begin(), untilEnd, storage_.begin() + writeIndex_);
    std::copy(bytes.begin() + untilEnd, bytes.end(), storage_.begin());
    writeIndex_ = wrap(writeIndex_ + bytes.size());
    full_ = writeIndex_ == readIndex_;
    return true;
}

std::size_t ReceiveQueue::size() const {
    if (full_) {
        return kCapacity;
    }
    return wrap(writeIndex_ + kCapacity - readIndex_);
}

std::optional<std::uint8_t> ReceiveQueue::peek(std::size_t offset) const {
    if (offset >= size()) {
        return std::nullopt;
    }
    return storage_[wrap(readIndex_ + offset)];
}

std::size_t ReceiveQueue::copyOut(std::size_t offset, std::span<std::uint8_t> out) const {
    const std::size_t queued = size();
    if (offset >= queued) {
        return 0;
    }
    const std::size_t count = std::min(out.size(), queued - offset);
    const std::size_t start = wrap(readIndex_ + offset);
    const std::size_t untilEnd = std::min(count, kCapacity - start);
    std::copy_n(storage_.begin() + start, untilEnd, out.begin());
    std::copy_n(storage_.begin(), count - untilEnd, out.begin() + untilEnd);
    return count;
}

void ReceiveQueue::consume(std::size_t count) {
    const std::size_t dropped = std::min(count, size());
    readIndex_ = wrap(readIndex_ + dropped);
    if (dropped > 0) {
        full_ = false;
    }
}

void ReceiveQueue::clear() {
    readIndex_ = 0;
    writeIndex_ = 0;
    full_ = false;
}

} // namespace v32
