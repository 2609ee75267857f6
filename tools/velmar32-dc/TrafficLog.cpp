#include "tools/velmar32-dc/TrafficLog.h"

#include "tools/velmar32-dc/FrameDescription.h"

#include <string>

namespace v32::dc {

namespace {

std::string_view faultName(FaultInjector::Fault fault) {
    switch (fault) {
    case FaultInjector::Fault::Drop:
        return "dropped";
    case FaultInjector::Fault::Delay:
        return "delayed";
    case FaultInjector::Fault::Duplicate:
        return "duplicated";
    case FaultInjector::Fault::Corrupt:
        return "corrupted";
    case FaultInjector::Fault::None:
        break;
    }
    return "passed";
}

std::string_view arrowOf(TrafficDirection direction) {
    return direction == TrafficDirection::In ? "<-" : "->";
}

} // namespace

TrafficLog::TrafficLog(const Clock& clock, std::FILE* out)
    : clock_(clock)
    , startMs_(clock.nowMs())
    , out_(out) {}

void TrafficLog::received(std::string_view client, std::span<const std::uint8_t> frame) {
    if (enabled_) {
        print(client, "<-", describeFrame(frame, TrafficDirection::In));
    }
}

void TrafficLog::sent(std::string_view client, std::span<const std::uint8_t> frame) {
    if (enabled_) {
        print(client, "->", describeFrame(frame, TrafficDirection::Out));
    }
}

void TrafficLog::fault(std::string_view client, TrafficDirection direction,
                       FaultInjector::Fault fault, std::span<const std::uint8_t> frame) {
    if (enabled_ && fault != FaultInjector::Fault::None) {
        print(client, arrowOf(direction),
              std::string(faultName(fault)) + ": " + describeFrame(frame, direction));
    }
}

void TrafficLog::event(std::string_view client, std::string_view what) {
    if (enabled_) {
        print(client, "--", what);
    }
}

void TrafficLog::print(std::string_view client, std::string_view arrow, std::string_view text) {
    const std::uint32_t sinceStartMs = clock_.elapsedSince(startMs_);
    std::fprintf(out_, "[%6u.%03u] %.*s %.*s %.*s\n", sinceStartMs / 1000, sinceStartMs % 1000,
                 static_cast<int>(client.size()), client.data(), static_cast<int>(arrow.size()),
                 arrow.data(), static_cast<int>(text.size()), text.data());
}

} // namespace v32::dc
