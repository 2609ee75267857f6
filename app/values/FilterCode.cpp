#include "app/values/FilterCode.h"

#include <array>

namespace v32 {

namespace {

struct SlopeCodes {
    int slope;
    std::array<int, 3> highPassCodes; // Butterworth, Bessel, Linkwitz-Riley
};

// Not in slope order: the 30 to 42 dB codes come after the 48 dB ones.
constexpr std::array<SlopeCodes, 7> kSlopeCodes = {{
    {12, {8, 10, 12}},
    {18, {14, 16, 18}},
    {24, {20, 22, 24}},
    {30, {46, 48, 50}},
    {36, {52, 54, 56}},
    {42, {58, 60, 62}},
    {48, {26, 28, 30}},
}};

constexpr std::array<FilterAlignment, 3> kAlignments = {
    FilterAlignment::Butterworth, FilterAlignment::Bessel, FilterAlignment::LinkwitzRiley};

} // namespace

std::optional<FilterCode> decodeFilterCode(int code) {
    const int highPassCode = code & ~1;
    for (const SlopeCodes& row : kSlopeCodes) {
        for (std::size_t i = 0; i < kAlignments.size(); ++i) {
            if (row.highPassCodes[i] == highPassCode) {
                return FilterCode{kAlignments[i], row.slope, code != highPassCode};
            }
        }
    }
    return std::nullopt;
}

} // namespace v32
