#include "app/link/FrameDump.h"

namespace v32 {

FrameDump::FrameDump(const DebugSwitches& switches, const Clock& clock, std::FILE* out)
    : switches_(switches)
    , clock_(clock)
    , out_(out) {}

void FrameDump::printSent(std::span<const std::uint8_t> frame) const {
    if (switches_.print_sent) {
        print("S: ", frame);
    }
}

void FrameDump::printReceived(std::span<const std::uint8_t> bytes) const {
    if (switches_.print_received) {
        print("R: ", bytes);
    }
}

void FrameDump::print(const char* prefix, std::span<const std::uint8_t> bytes) const {
    std::fputs(prefix, out_);
    for (const std::uint8_t byte : bytes) {
        std::fprintf(out_, "%02X", static_cast<unsigned>(byte));
    }
    std::fprintf(out_, " ts: %u\n", static_cast<unsigned>(clock_.nowMs()));
}

} // namespace v32
