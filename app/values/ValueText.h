#pragma once

#include "app/model/ParamReader.h"
#include "app/protocol/ParamId.h"
#include "app/values/FixedText.h"
#include "app/values/UnitDisplay.h"

#include <cstdint>

namespace v32 {

// A high-pass or low-pass filter type shown as its alignment name and its slope.
struct FilterText {
    FixedText alignment;
    FixedText slope;
};

// The display text of a raw value of a kind. A filter type (high-pass or low-pass code) shows its
// alignment name here; filterText() gives both of its parts.
FixedText valueText(int kind, std::uint16_t raw, UnitDisplay unit = UnitDisplay::Shown);

// The display text of a stored parameter. Effect parameters are shown by the type of
// the effect they belong to.
FixedText paramText(const ParamReader& reader, ParamId id, UnitDisplay unit = UnitDisplay::Shown);

// A frequency in Hz as "OFF" beyond the band ends, whole or kilo Hz from 100 Hz up.
FixedText frequencyText(double hertz, UnitDisplay unit = UnitDisplay::Shown);

// Both parts empty for a code that names no filter.
FilterText filterText(int code);

// The tooltip of an EQ handle: a high-pass or low-pass filter shows only its frequency,
// a parametric band also its gain and Q, one per line.
FixedText bandText(double hertz);
FixedText bandText(double hertz, double gain, double q);

} // namespace v32
