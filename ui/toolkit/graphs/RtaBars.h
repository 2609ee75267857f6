#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace v32 {

// The real-time analyser drawn behind the EQ curve: one level per third-octave band in
// percent of the plot height, and where each band's bar stands on the frequency axis.
class RtaBars {
public:
    static constexpr std::size_t kBarCount = 32;
    static constexpr std::array<double, kBarCount> kCentreFrequencies = {
        20,   25,   32,   40,   50,   63,    80,    101,   125,   161,  202,
        250,  315,  405,  500,  630,  809,   1000,  1260,  1620,  2000, 2520,
        3170, 4000, 5040, 6350, 8000, 10100, 12500, 16000, 20000, 26000};

    // A bar in plot pixels: columns left up to but not including right, rising height
    // pixels from the plot bottom.
    struct Bar {
        int left = 0;
        int right = 0;
        int height = 0;
    };

    const std::array<int, kBarCount>& values() const { return m_values; }
    void clear() { m_values.fill(0); }
    // Takes up to kBarCount levels, each held to 0..100; true when one of them changed.
    bool setValues(std::span<const int> values);

    // Each bar reaches halfway to its neighbours; the first mirrors its right half
    // leftwards as far as the plot allows and the last ends at the plot's right edge.
    std::array<Bar, kBarCount> layout(int plotWidth, int plotHeight) const;

private:
    std::array<int, kBarCount> m_values{};
};

} // namespace v32
