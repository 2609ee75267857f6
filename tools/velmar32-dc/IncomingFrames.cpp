#include "tools/velmar32-dc/IncomingFrames.h"

namespace v32::dc {

void IncomingFrames::cut(const FrameHandler& handle) {
    cutIn(FrameReader::Mode::Normal, handle);
    if (!queue_.empty()) {
        cutIn(FrameReader::Mode::Scan, handle);
    }
}

void IncomingFrames::cutIn(FrameReader::Mode mode, const FrameHandler& handle) {
    for (std::span<const std::uint8_t> frame = reader_.next(mode); !frame.empty();
         frame = reader_.next(mode)) {
        handle(frame);
    }
}

} // namespace v32::dc
