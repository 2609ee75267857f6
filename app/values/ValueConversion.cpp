#include "app/values/ValueConversion.h"

#include "app/protocol/FaderLevel.h"
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
constexpr int kBandGainZero = 500;              // raw of a 0 dB band gain
constexpr double kTenthsLimit = 100.0;

// Gate decay steps through these values instead of a scaled range.
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
    case ValuePan: {
        const int offset = raw - kPanCentre;
        if (offset == 0) {
            return 0.0;
        }
        return offset > 0 ? offset + kPanNudge : offset - kPanNudge;
    }
    case ValueDelay:
    case ValueCompressorAttack:
    case ValueCompressorRelease:
        return raw / 10.0;
    case ValueGateThreshold:
        return -static_cast<double>(raw);
    case ValueSignedTenths:
    case ValueShortTime:
        return static_cast<std::int16_t>(raw) / 10.0;
    case ValueCompressorThreshold: {
        const int magnitude = raw & ~kNegativeFlag;
        // A set sign on a zero magnitude still means 0, not -0.0.
        if ((raw & kNegativeFlag) != 0 && magnitude != 0) {
            return -magnitude / 10.0;
        }
        return magnitude / 10.0;
    }
    case ValueCompressorRatio:
    case ValueBandQ:
    case ValueGraphicQ:
        return raw / 100.0;
    case ValueCompressorGain:
    case ValueFaderLevel:
    case ValueSendLevel:
        return (FaderLevel::levelOf(raw) - FaderLevel::kUnity) / 10.0;
    case ValueHighPassFrequency:
    case ValueLowPassFrequency:
    case ValueBandFrequency:
    case ValueGraphicFrequency:
        if ((raw & kTenthsFlag) != 0) {
            return (raw & ~kTenthsFlag) / 10.0;
        }
        return raw;
    case ValueBandGain:
    case ValueGraphicGain:
        return (raw - kBandGainZero) / 10.0;
    default:
        return raw;
    }
}

std::uint16_t toRaw(int kind, double real) {
    switch (kind) {
    case ValuePan:
        return panRaw(real);
    case ValueDelay:
    case ValueSignedTenths:
    case ValueCompressorAttack:
    case ValueCompressorRelease:
    case ValueShortTime:
        // Signed tenths are read as tenths, so it is stored as tenths too: a plain
        // truncation would turn -80.0 into -8.0 on the way back.
        return rawOf(rounded(real * 10));
    case ValueGateThreshold:
        return rawOf(-rounded(real));
    case ValueCompressorThreshold:
        return signMagnitudeRaw(real);
    case ValueCompressorRatio:
    case ValueBandQ:
    case ValueGraphicQ:
        return rawOf(rounded(real * 100));
    case ValueCompressorGain:
    case ValueFaderLevel:
    case ValueSendLevel:
        return rawOf(rounded(real * 10) + FaderLevel::kUnity);
    case ValueHighPassFrequency:
    case ValueLowPassFrequency:
    case ValueBandFrequency:
    case ValueGraphicFrequency:
        return frequencyRaw(real);
    case ValueBandGain:
    case ValueGraphicGain:
        return bandGainRaw(real);
    default:
        return rawOf(truncated(real));
    }
}

double stepValue(int kind, int index) {
    if (kind == ValueGateDecay) {
        const int clamped = std::clamp(index, 0, static_cast<int>(kDoublingSteps.size()) - 1);
        return kDoublingSteps[static_cast<std::size_t>(clamped)];
    }
    return static_cast<double>(index) / valueKind(kind).scale;
}

int stepIndex(int kind, double value) {
    if (kind == ValueGateDecay) {
        const auto above =
            std::upper_bound(kDoublingSteps.begin() + 1, kDoublingSteps.end(), value);
        return static_cast<int>(above - kDoublingSteps.begin()) - 1;
    }
    return static_cast<int>(rounded(value * valueKind(kind).scale));
}

} // namespace v32
