#include "app/link/NullLink.h"

namespace v32 {

NullLink::NullLink(LinkType type, const FrameDump& dump)
    : type_(type)
    , dump_(dump) {}

bool NullLink::sendFrame(std::span<const std::uint8_t> frame) {
    dump_.printSent(frame);
    return false;
}

} // namespace v32
