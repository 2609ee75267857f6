#pragma once

#include "app/protocol/ValueKindId.h"

namespace v32 {

// How a raw 16-bit parameter value is scaled, bounded and labelled. Minimum, maximum and
// step are in step units (the real value times the scale).
struct ValueKind {
    int scale = 0;
    int step = 0;
    int minimum = 0;
    int maximum = 0;
    int decimals = 0;
    const char* unit = "";
    // Read by the parameter model; its meaning belongs there.
    int modelHint = 0;
};

// The record of a value kind (a ValueKindId or its number); kind 0's for kinds above 44 and
// kinds without a record.
const ValueKind& valueKind(int kind);

} // namespace v32
