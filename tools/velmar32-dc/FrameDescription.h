#pragma once

#include "tools/velmar32-dc/FaultInjector.h"

#include <cstdint>
#include <span>
#include <string>

namespace v32::dc {

// One readable line for a frame: its message name and what it carries (pairs, identifiers,
// text or bytes), shortened where it is long. The direction tells a parameter query (a
// list of identifiers) from its report (pairs).
std::string describeFrame(std::span<const std::uint8_t> frame, TrafficDirection direction);

} // namespace v32::dc
