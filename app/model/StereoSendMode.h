#pragma once

#include "app/model/ParamReader.h"
#include "app/protocol/FixedParams.h"

#include <cstdint>

namespace v32 {

// Which side of a fixed stereo input feeds one of its AUX sends. Two bits per send, eight
// sends to a word, two words per stereo input from the first send-mode word on: 1 the left side, 2
// the right side, 3 both; 0 (no side chosen) feeds both as well.
class StereoSendMode {
public:
    static constexpr ParamId kFirstWord = FixedParam::kFirstSendMode;
    static constexpr ParamId kLastWord = FixedParam::kLastSendMode;
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kBoth = kLeft | kRight;

    // Inputs 28, 30 and 32 with an AUX index 0..13; kInvalidParam for anything else.
    static ParamId wordId(int stereoInput, int aux);
    // The mode bits as stored: 0 to 3; 0 for a pair that has no mode word.
    static int of(const ParamReader& values, int stereoInput, int aux);
    // The word with the send's two bits replaced by the low two bits of mode; an AUX index
    // outside 0..13 leaves it as it is.
    static std::uint16_t withMode(std::uint16_t word, int aux, int mode);
    // The mode after tapping one side's button: that side's bit is switched over.
    static int toggled(int mode, int side) { return (mode ^ side) & kBoth; }

    // Only a right-only send is carried by the right half's own send value.
    static bool usesRightHalf(int mode) { return mode == kRight; }

private:
    static int shiftOf(int aux);
};

} // namespace v32
