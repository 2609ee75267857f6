#pragma once

#include <cstdint>

namespace v32 {

// Where a raw value sits on its control, 0 to 100: by detent for the kinds whose knobs
// step through a table, else by step index over the kind's range.
int percentPosition(int kind, std::uint16_t raw);

// The raw value of a control position from 0 to 1 for the kinds whose knobs step through
// a detent table; 0 for the other kinds.
std::uint16_t rawOfPosition(int kind, double position);

} // namespace v32
