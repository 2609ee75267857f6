#pragma once

#include <optional>

namespace v32 {

enum class FilterAlignment {
    Butterworth,
    Bessel,
    LinkwitzRiley,
};

// What a high-pass or low-pass filter code selects: even codes are high-pass, the odd
// code above each is the matching low-pass.
struct FilterCode {
    FilterAlignment alignment = FilterAlignment::Butterworth;
    int slope = 0; // dB per octave
    bool lowPass = false;
};

// The filter a code selects; none for codes outside the table (the flat codes included).
std::optional<FilterCode> decodeFilterCode(int code);

} // namespace v32
