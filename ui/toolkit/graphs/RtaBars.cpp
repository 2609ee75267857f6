#include "ui/toolkit/graphs/RtaBars.h"

#include "ui/toolkit/graphs/EqPixelTable.h"

#include <algorithm>

namespace v32 {

namespace {

constexpr int kFullScale = 100;

} // namespace

bool RtaBars::setValues(std::span<const int> values) {
    bool changed = false;
    const std::size_t count = std::min(values.size(), kBarCount);
    for (std::size_t i = 0; i < count; ++i) {
        const int value = std::clamp(values[i], 0, kFullScale);
        changed = changed || value != m_values[i];
        m_values[i] = value;
    }
    return changed;
}

std::array<RtaBars::Bar, RtaBars::kBarCount> RtaBars::layout(int plotWidth, int plotHeight) const {
    std::array<int, kBarCount> centres{};
    for (std::size_t i = 0; i < kBarCount; ++i) {
        centres[i] = EqPixelTable::xOfFrequency(kCentreFrequencies[i], plotWidth);
    }
    std::array<Bar, kBarCount> bars{};
    for (std::size_t i = 0; i < kBarCount; ++i) {
        Bar& bar = bars[i];
        bar.right = i + 1 < kBarCount ? (centres[i] + centres[i + 1]) / 2 : plotWidth;
        bar.left = i > 0 ? (centres[i - 1] + centres[i]) / 2 : 2 * centres[i] - bar.right;
        bar.left = std::clamp(bar.left, 0, plotWidth);
        bar.right = std::clamp(bar.right, bar.left, plotWidth);
        bar.height = std::min(plotHeight, m_values[i] * plotHeight / kFullScale);
    }
    return bars;
}

} // namespace v32
