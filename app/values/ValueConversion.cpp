#include "app/values/ValueConversion.h"

#include "app/values/ValueKinds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace v32 {

namespace {

// Pan raws are centred on 100; the nudge keeps a value that prints as 0 from landing on
// the wrong side of the centre after truncation.
constexpr int kPanCentre = 100;
constexpr double kPanNudge = 0.001;

constexpr std::uint16_t kTenthsFlag = 0x8000;   // frequencies below 100 Hz, in tenths
constexpr std::uint16_t kNegativeFlag = 0x8000; // sign of a sign-and-magnitude value
constexpr std::uint16_t kLevelMask = 0x3FFF;    // bits 14 and 15 are flags of a level
constexpr int kLevelZero = 1200;                // raw of 0 dB
constexpr int kBandGainZero = 500;              // raw of a 0 dB band gain
constexpr double kTenthsLimit = 100.0;

// Kind 8 steps through these values instead of a scaled range.
constexpr std::array<double, 6> kDoublingSteps = {2, 4, 6, 8, 16, 32};

// Double to integer without undefined behaviour for NaN or huge values.
long long truncated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<long long>(std::clamp(value, -1.0e9, 1.0e9));
}

long long rounded(double value) {
    return truncated(std::round(value));
}

std::uint16_t rawOf(long long value) {
    return static_cast<std::uint16_t>(std::clamp(value, -32768LL, 65535LL));
}

std::uint16_t panRaw(double real) {
    if (real == 0.0) {
        return kPanCentre;
    }
    const double nudge = real > 0 ? kPanNudge : -kPanNudge;
    return rawOf(kPanCentre + truncated(real + nudge));
}

std::uint16_t signMagnitudeRaw(double real) {
    const long long tenths = rounded(real * 10);
    if (tenths >= 0) {
        return rawOf(std::min(tenths, 0x7FFFLL));
    }
    return static_cast<std::uint16_t>(kNegativeFlag | std::min(-tenths, 0x7FFFLL));
}

std::uint16_t frequencyRaw(double hertz) {
    if (hertz < 0 || std::isnan(hertz)) {
        return 0;
    }
    if (hertz < kTenthsLimit) {
        return static_cast<std::uint16_t>(kTenthsFlag | rounded(hertz * 10));
    }
    return static_cast<std::uint16_t>(std::min(rounded(hertz), 0xFFFFLL));
}

std::uint16_t bandGainRaw(double decibels) {
    const long long raw = rounded(decibels * 10) + kBandGainZero;
    return static_cast<std::uint16_t>(std::clamp(raw, 0LL, 0xFFFFLL));
}

} // namespace

double toReal(int kind, std::uint16_t raw) {
    switch (kind) {
    case 2: {
        const int offset = raw - kPanCentre;
        if (offset == 0) {
            return 0.0;
        }
        return offset > 0 ? offset + kPanNudge : offset - kPanNudge;
    }
    case 4:
    case 11:
    case 13:
        return raw / 10.0;
    case 5:
        return -static_cast<double>(raw);
    case 9:
    case 38:
        return static_cast<std::int16_t>(raw) / 10.0;
    case 10: {
        const int magnitude = raw & ~kNegativeFlag;
        // A set sign on a zero magnitude still means 0, not -0.0.
        if ((raw & kNegativeFlag) != 0 && magnitude != 0) {
            return -magnitude / 10.0;
        }
        return magnitude / 10.0;
    }
    case 12:
    case 23:
    case 26:
        return raw / 100.0;
    case 14:
    case 15:
    case 16:
        return ((raw & kLevelMask) - kLevelZero) / 10.0;
    case 19:
    case 20:
    case 21:
    case 24:
        if ((raw & kTenthsFlag) != 0) {
            return (raw & ~kTenthsFlag) / 10.0;
        }
        return raw;
    case 22:
    case 25:
        return (raw - kBandGainZero) / 10.0;
    default:
        return raw;
    }
}

std::uint16_t toRaw(int kind, double real) {
    switch (kind) {
    case 2:
        return panRaw(real);
    case 4:
    case 9:
    case 11:
    case 13:
    case 38:
        // Kind 9 is read as signed tenths, so it is stored as tenths too: a plain
        // truncation would turn -80.0 into -8.0 on the way back.
        return rawOf(rounded(real * 10));
    case 5:
        return rawOf(-rounded(real));
    case 10:
        return signMagnitudeRaw(real);
    case 12:
    case 23:
    case 26:
        return rawOf(rounded(real * 100));
    case 14:
    case 15:
    case 16:
        return rawOf(rounded(real * 10) + kLevelZero);
    case 19:
    case 20:
    case 21:
    case 24:
        return frequencyRaw(real);
    case 22:
    case 25:
        return bandGainRaw(real);
    default:
        return rawOf(truncated(real));
    }
}

double stepValue(int kind, int index) {
    if (kind == 8) {
        const int clamped = std::clamp(index, 0, static_cast<int>(kDoublingSteps.size()) - 1);
        return kDoublingSteps[static_cast<std::size_t>(clamped)];
    }
    return static_cast<double>(index) / valueKind(kind).scale;
}

int stepIndex(int kind, double value) {
    if (kind == 8) {
        const auto above =
            std::upper_bound(kDoublingSteps.begin() + 1, kDoublingSteps.end(), value);
        return static_cast<int>(above - kDoublingSteps.begin()) - 1;
    }
    return static_cast<int>(rounded(value * valueKind(kind).scale));
}

} // namespace v32
