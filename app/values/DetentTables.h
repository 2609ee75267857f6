#pragma once

#include <span>

namespace v32 {

// The ascending real values that a knob or encoder of a kind steps through; empty for
// kinds without a table.
std::span<const double> detentTable(int kind);

int detentCount(int kind);

// The index of the detent nearest to a real value (ties go to the upper point, values
// beyond either end give that end); -1 for kinds that have no detent look-up.
int nearestDetent(int kind, double real);

} // namespace v32
