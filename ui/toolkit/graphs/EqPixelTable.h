#pragma once

#include <cstddef>
#include <vector>

namespace v32 {

// The frequency under each pixel column of the EQ plot on its logarithmic axis, with the
// cosine and sine of its angular frequency, so that a band's response costs no
// transcendental work beyond its own logarithm per pixel.
class EqPixelTable {
public:
    static constexpr double kMinimumFrequency = 14.0;
    static constexpr double kMaximumFrequency = 24000.0;
    static constexpr double kLogMinimum = 2.6390573296152584;
    static constexpr double kLogMaximum = 10.085809109330082;

    struct Pixel {
        double frequency;
        double cosW;
        double sinW;
    };

    explicit EqPixelTable(int width = 0);

    int width() const { return static_cast<int>(m_pixels.size()); }
    const Pixel& operator[](std::size_t x) const { return m_pixels[x]; }

    // The column of a frequency on a plot of this width, or of the given width; it may
    // lie outside the plot.
    int xOfFrequency(double frequency) const { return xOfFrequency(frequency, width()); }
    static int xOfFrequency(double frequency, int width);

private:
    std::vector<Pixel> m_pixels;
};

} // namespace v32
