#include "ui/toolkit/graphs/EqPixelTable.h"

#include "ui/toolkit/graphs/Biquad.h"

#include <cmath>

namespace v32 {

EqPixelTable::EqPixelTable(int width) {
    if (width <= 0) {
        return;
    }
    m_pixels.reserve(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        const double frequency = std::exp(kLogMinimum + x * (kLogMaximum - kLogMinimum) / width);
        const double w = Biquad::kTwoPi * frequency / Biquad::kSampleRate;
        m_pixels.push_back({frequency, std::cos(w), std::sin(w)});
    }
}

int EqPixelTable::xOfFrequency(double frequency, int width) {
    if (frequency <= 0.0) {
        return 0;
    }
    return static_cast<int>(
        std::lround(width * (std::log(frequency) - kLogMinimum) / (kLogMaximum - kLogMinimum)));
}

} // namespace v32
