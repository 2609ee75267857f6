#pragma once

#include "ui/toolkit/graphs/Biquad.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace v32 {

// A high-pass or low-pass filter as the chain of sections its filter code selects. Its
// response is the sum of the sections' responses in dB.
class BiquadCascade {
public:
    static constexpr std::size_t kMaxSections = 4;

    // The cascade of a filter code at a corner frequency. The flat codes give an empty
    // cascade; a code that names no filter gives none.
    static std::optional<BiquadCascade> forFilterCode(int code, double frequency);

    std::span<const Biquad> sections() const { return {m_sections.data(), m_count}; }
    double magnitudeDb(double cosW, double sinW) const;

private:
    void append(const Biquad& section);

    std::array<Biquad, kMaxSections> m_sections{};
    std::size_t m_count = 0;
};

} // namespace v32
