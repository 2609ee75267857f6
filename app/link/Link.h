#pragma once

#include "app/link/LinkType.h"
#include "app/link/ReceiveQueue.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace v32 {

// One transport of frames to the data centre. Links move bytes and never parse frames.
// Every operation is called on the UI thread; a link that has a reader thread hands its
// bytes over internally and delivers them in poll().
class Link {
public:
    virtual ~Link();

    virtual LinkType type() const = 0;

    // Opening an open link closes it first. Returns false when the transport could not be
    // set up; the link then sends and receives nothing (the TCP link keeps retrying on its
    // own, every other link until it is opened again).
    virtual bool open() = 0;
    // Safe to call on a closed link.
    virtual void close() = 0;

    // True when the frame was handed to the transport. Frames are dumped when print_sent is
    // on whether or not they could be sent.
    virtual bool sendFrame(std::span<const std::uint8_t> frame) = 0;

    // Moves received bytes into queue; returns how many were moved.
    virtual std::size_t poll(ReceiveQueue& queue) = 0;
};

} // namespace v32
