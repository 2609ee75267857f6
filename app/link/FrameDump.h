#pragma once

#include "app/core/Clock.h"
#include "app/core/DebugSwitches.h"

#include <cstdint>
#include <cstdio>
#include <span>

namespace v32 {

// The debug dump of link traffic: one line per frame sent ("S: ") and per block of bytes
// received ("R: "), the bytes in hex and the millisecond tick. Each line is printed only
// while its switch (print_sent, print_received) is on; the switches are read at each call.
class FrameDump {
public:
    FrameDump(const DebugSwitches& switches, const Clock& clock, std::FILE* out = stdout);

    void printSent(std::span<const std::uint8_t> frame) const;
    void printReceived(std::span<const std::uint8_t> bytes) const;

private:
    void print(const char* prefix, std::span<const std::uint8_t> bytes) const;

    const DebugSwitches& switches_;
    const Clock& clock_;
    std::FILE* out_;
};

} // namespace v32
