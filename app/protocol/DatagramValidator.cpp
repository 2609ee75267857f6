#include "app/protocol/DatagramValidator.h"

#include "app/protocol/Crc16.h"
#include "app/protocol/Frame.h"

namespace v32 {

namespace {

// N = 0xFF with code 0xFF announces a frame too long for N to count.
constexpr std::uint8_t kLongFormMark = 0xFF;
constexpr std::size_t kLongFormCovered = 262;

} // namespace

bool isValidDatagram(std::span<const std::uint8_t> datagram) {
    if (datagram.size() < kMinFrameSize || datagram[0] != kFrameStart) {
        return false;
    }
    const bool longForm = datagram[1] == kLongFormMark && datagram[2] == kLongFormMark;
    const std::size_t covered = longForm ? kLongFormCovered : datagram[1];
    if (covered < kFrameHeaderSize || covered + kFrameCrcSize > datagram.size()) {
        return false;
    }
    return Crc16::of(datagram.first(covered)) == readWord(datagram, covered);
}

} // namespace v32
