#pragma once

#include "app/protocol/Frame.h"
#include "app/protocol/FrameSink.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace v32::test {

using Bytes = std::vector<std::uint8_t>;

// A frame in a heap buffer of exactly its own size, so that any read past it trips ASan.
inline Bytes makeFrame(MessageCode code, const Bytes& payload) {
    Bytes frame(payload.size() + kFrameOverhead);
    frame.resize(buildFrame(frame, code, payload));
    return frame;
}

inline Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// Keeps every frame it is given; can be told to refuse, like a link that is down.
class RecordingFrameSink : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t> frame) override {
        if (refuse) {
            return false;
        }
        frames.emplace_back(frame.begin(), frame.end());
        return true;
    }

    std::vector<Bytes> frames;
    bool refuse = false;
};

} // namespace v32::test
