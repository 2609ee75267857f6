#pragma once

#include "app/protocol/FrameSink.h"
#include "app/protocol/PairList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace v32::test {

// One frame as the link received it, split into code and payload.
struct SentFrame {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> payload;

    std::vector<ParamPair> pairs() const;
    std::vector<ParamId> ids() const;
    std::string text() const;
};

// A link that keeps every frame handed to it.
class RecordingFrameSink : public FrameSink {
public:
    bool sendFrame(std::span<const std::uint8_t> frame) override;

    const std::vector<SentFrame>& frames() const { return m_frames; }
    std::vector<std::uint8_t> codes() const;
    std::vector<SentFrame> framesWith(std::uint8_t code) const;
    void clear() { m_frames.clear(); }

private:
    std::vector<SentFrame> m_frames;
};

} // namespace v32::test
