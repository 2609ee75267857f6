#pragma once

#include "app/link/FrameReader.h"
#include "app/link/ReceiveQueue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace v32::dc {

// The bytes one client has sent and not yet cut into frames, read the way the control
// surface reads its own link: frames at the front first, then a scan further in past
// whatever cannot start a frame.
class IncomingFrames {
public:
    using FrameHandler = std::function<void(std::span<const std::uint8_t>)>;

    std::size_t room() const { return queue_.freeSpace(); }
    // All or nothing, like the queue.
    bool append(std::span<const std::uint8_t> bytes) { return queue_.append(bytes); }
    // Hands every whole, checked frame to handle; what may still become a frame stays.
    void cut(const FrameHandler& handle);
    void clear() { queue_.clear(); }

private:
    void cutIn(FrameReader::Mode mode, const FrameHandler& handle);

    ReceiveQueue queue_;
    FrameReader reader_{queue_};
};

} // namespace v32::dc
