#pragma once

#include "app/core/Clock.h"
#include "tools/velmar32-dc/FaultInjector.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>

namespace v32::dc {

// The readable log of the traffic: one line per frame received or sent and per fault met,
// with the seconds since the start, the client and what the frame carries. Off until
// enabled.
class TrafficLog {
public:
    explicit TrafficLog(const Clock& clock, std::FILE* out = stdout);

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }

    void received(std::string_view client, std::span<const std::uint8_t> frame);
    void sent(std::string_view client, std::span<const std::uint8_t> frame);
    void fault(std::string_view client, TrafficDirection direction, FaultInjector::Fault fault,
               std::span<const std::uint8_t> frame);
    void event(std::string_view client, std::string_view what);

private:
    void print(std::string_view client, std::string_view arrow, std::string_view text);

    const Clock& clock_;
    const std::uint32_t startMs_;
    std::FILE* out_;
    bool enabled_ = false;
};

} // namespace v32::dc
