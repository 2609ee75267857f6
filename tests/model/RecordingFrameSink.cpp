#include "tests/model/RecordingFrameSink.h"

#include "app/protocol/Frame.h"

#include <gtest/gtest.h>

namespace v32::test {

std::vector<ParamPair> SentFrame::pairs() const {
    std::vector<ParamPair> result;
    for (const ParamPair pair : PairListView(payload)) {
        result.push_back(pair);
    }
    return result;
}

std::vector<ParamId> SentFrame::ids() const {
    std::vector<ParamId> result;
    for (std::size_t offset = 0; offset + kIdSize <= payload.size(); offset += kIdSize) {
        result.push_back(readWord(payload, offset));
    }
    return result;
}

std::string SentFrame::text() const {
    return {payload.begin(), payload.end()};
}

bool RecordingFrameSink::sendFrame(std::span<const std::uint8_t> frame) {
    // Only whole, checked frames may reach a link.
    const FrameCheck check = checkFrame(frame);
    EXPECT_EQ(check.status, FrameStatus::Ok);
    EXPECT_EQ(check.length, frame.size());
    const std::span<const std::uint8_t> payload = framePayload(frame);
    m_frames.push_back({frame[2], {payload.begin(), payload.end()}});
    return true;
}

std::vector<std::uint8_t> RecordingFrameSink::codes() const {
    std::vector<std::uint8_t> result;
    for (const SentFrame& frame : m_frames) {
        result.push_back(frame.code);
    }
    return result;
}

std::vector<SentFrame> RecordingFrameSink::framesWith(std::uint8_t code) const {
    std::vector<SentFrame> result;
    for (const SentFrame& frame : m_frames) {
        if (frame.code == code) {
            result.push_back(frame);
        }
    }
    return result;
}

} // namespace v32::test
