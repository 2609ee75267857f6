#pragma once

#include <cstdint>

namespace v32 {

// The real value (dB, Hz, ms, ratio, ...) that a raw parameter value of a kind stands for.
double toReal(int kind, std::uint16_t raw);

// The raw value that stores a real value of a kind. Signed kinds keep the two's
// complement of a negative result; results beyond 16 bits saturate.
std::uint16_t toRaw(int kind, double real);

// The value of a step index of a kind without a detent table.
double stepValue(int kind, int index);

// The step index of a value of a kind without a detent table.
int stepIndex(int kind, double value);

} // namespace v32
