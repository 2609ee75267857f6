#include "ui/toolkit/graphs/EqBand.h"

#include "ui/toolkit/graphs/Biquad.h"
#include "ui/toolkit/graphs/BiquadCascade.h"
#include "ui/toolkit/graphs/EqPixelTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace v32 {

namespace {

long hundredths(double value) {
    return std::lround(value * 100.0);
}

// Hundredths of a dB within the stored range; an undefined value (a filter designed
// from a zero Q, say) draws as flat rather than as noise.
std::int16_t storedResponse(double hundredthsOfDb) {
    constexpr double kLimit = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(hundredthsOfDb)) {
        return 0;
    }
    return static_cast<std::int16_t>(std::lround(std::clamp(hundredthsOfDb, -kLimit, kLimit)));
}

Biquad parametricSection(EqBandShape shape, double frequency, double gain, double q) {
    switch (shape) {
    case EqBandShape::HighShelf:
        return Biquad::highShelf(frequency, gain, q);
    case EqBandShape::LowShelf:
        return Biquad::lowShelf(frequency, gain, q);
    case EqBandShape::Peaking:
        break;
    }
    return Biquad::peaking(frequency, gain, q);
}

} // namespace

EqBand::EqBand(EqBandKind kind, int number, double frequency, double gain, double q, int code,
               std::function<void()> changed)
    : m_kind(kind)
    , m_number(number)
    , m_frequency(frequency)
    , m_gain(gain)
    , m_q(q)
    , m_code(code)
    , m_roundedFrequency(hundredths(frequency))
    , m_roundedGain(hundredths(gain))
    , m_roundedQ(hundredths(q))
    , m_changed(std::move(changed)) {}

bool EqBand::isOff() const {
    switch (m_kind) {
    case EqBandKind::HighPass:
        return m_frequency <= kHighPassOffFrequency;
    case EqBandKind::LowPass:
        return m_frequency >= kLowPassOffFrequency;
    case EqBandKind::Parametric:
        break;
    }
    return false;
}

bool EqBand::setFrequency(double frequency) {
    const long rounded = hundredths(frequency);
    if (rounded == m_roundedFrequency) {
        return false;
    }
    m_roundedFrequency = rounded;
    m_frequency = frequency;
    markDirty();
    return true;
}

bool EqBand::setGain(double gain) {
    const long rounded = hundredths(gain);
    if (rounded == m_roundedGain) {
        return false;
    }
    m_roundedGain = rounded;
    m_gain = gain;
    markDirty();
    return true;
}

bool EqBand::setQ(double q) {
    const long rounded = hundredths(q);
    if (rounded == m_roundedQ) {
        return false;
    }
    m_roundedQ = rounded;
    m_q = q;
    markDirty();
    return true;
}

bool EqBand::setShape(EqBandShape shape) {
    if (shape == m_shape) {
        return false;
    }
    m_shape = shape;
    markDirty();
    return true;
}

bool EqBand::setCode(int code) {
    if (code == m_code) {
        return false;
    }
    m_code = code;
    markDirty();
    return true;
}

void EqBand::markDirty() {
    m_dirty = true;
    if (m_changed) {
        m_changed();
    }
}

void EqBand::computeResponse(const EqPixelTable& pixels) {
    m_dirty = false;
    if (m_kind == EqBandKind::Parametric) {
        computeParametric(pixels);
        return;
    }
    if (!computeFilter(pixels)) {
        // A code that names no filter keeps the curve the band had; after a change of
        // plot size the missing columns are flat.
        m_response.resize(static_cast<std::size_t>(pixels.width()), 0);
    }
}

void EqBand::computeParametric(const EqPixelTable& pixels) {
    const Biquad section = parametricSection(m_shape, m_frequency, m_gain, m_q);
    m_response.resize(static_cast<std::size_t>(pixels.width()));
    for (std::size_t x = 0; x < m_response.size(); ++x) {
        const EqPixelTable::Pixel& pixel = pixels[x];
        m_response[x] = storedResponse(100.0 * section.magnitudeDb(pixel.cosW, pixel.sinW));
    }
}

bool EqBand::computeFilter(const EqPixelTable& pixels) {
    const std::size_t width = static_cast<std::size_t>(pixels.width());
    if (isOff()) {
        m_response.assign(width, 0);
        return true;
    }
    const std::optional<BiquadCascade> cascade = BiquadCascade::forFilterCode(m_code, m_frequency);
    if (!cascade) {
        return false;
    }
    m_response.resize(width);
    for (std::size_t x = 0; x < width; ++x) {
        const EqPixelTable::Pixel& pixel = pixels[x];
        m_response[x] = storedResponse(100.0 * cascade->magnitudeDb(pixel.cosW, pixel.sinW));
    }
    return true;
}

} // namespace v32
