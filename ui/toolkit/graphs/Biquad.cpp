#include "ui/toolkit/graphs/Biquad.h"

#include <cmath>

namespace v32 {

namespace {

struct Angle {
    double cos;
    double sin;
};

Angle angleOf(double frequency) {
    const double w0 = Biquad::kTwoPi * frequency / Biquad::kSampleRate;
    return {std::cos(w0), std::sin(w0)};
}

// The shelving and peaking amplitude; the exponent is rounded to single precision as
// the mixer does.
double amplitudeOf(double gain) {
    return std::pow(10.0, static_cast<double>(static_cast<float>(gain / 40.0)));
}

// Shelves use at most Q 2: a steeper shelf would overshoot into a bump.
double shelfSlope(double amplitude, double q) {
    const double root = std::sqrt(amplitude);
    return q > 2.0 ? root * 0.5 : root / q;
}

Biquad normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    return {a1 / a0, a2 / a0, b0 / a0, b1 / a0, b2 / a0};
}

} // namespace

Biquad Biquad::peaking(double frequency, double gain, double q) {
    const Angle w = angleOf(frequency);
    const double a = amplitudeOf(gain);
    const double alpha = w.sin / (2.0 * q);
    return normalised(1.0 + alpha * a, -2.0 * w.cos, 1.0 - alpha * a, 1.0 + alpha / a, -2.0 * w.cos,
                      1.0 - alpha / a);
}

Biquad Biquad::highShelf(double frequency, double gain, double q) {
    const Angle w = angleOf(frequency);
    const double a = amplitudeOf(gain);
    const double m = shelfSlope(a, q);
    return normalised(
        a * ((a + 1) + (a - 1) * w.cos + m * w.sin), -2.0 * a * ((a - 1) + (a + 1) * w.cos),
        a * ((a + 1) + (a - 1) * w.cos - m * w.sin), (a + 1) - (a - 1) * w.cos + m * w.sin,
        2.0 * ((a - 1) - (a + 1) * w.cos), (a + 1) - (a - 1) * w.cos - m * w.sin);
}

Biquad Biquad::lowShelf(double frequency, double gain, double q) {
    const Angle w = angleOf(frequency);
    const double a = amplitudeOf(gain);
    const double m = shelfSlope(a, q);
    return normalised(
        a * ((a + 1) - (a - 1) * w.cos + m * w.sin), 2.0 * a * ((a - 1) - (a + 1) * w.cos),
        a * ((a + 1) - (a - 1) * w.cos - m * w.sin), (a + 1) + (a - 1) * w.cos + m * w.sin,
        -2.0 * ((a - 1) + (a + 1) * w.cos), (a + 1) + (a - 1) * w.cos - m * w.sin);
}

Biquad Biquad::highPass(double frequency, double q) {
    const Angle w = angleOf(frequency);
    const double alpha = w.sin * 0.5 / q;
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 + w.cos) / 2.0 / a0;
    return {-2.0 * w.cos / a0, (1.0 - alpha) / a0, b0, -(1.0 + w.cos) / a0, b0};
}

Biquad Biquad::lowPass(double frequency, double q) {
    const Angle w = angleOf(frequency);
    const double alpha = w.sin * 0.5 / q;
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 - w.cos) / 2.0 / a0;
    return {-2.0 * w.cos / a0, (1.0 - alpha) / a0, b0, (1.0 - w.cos) / a0, b0};
}

Biquad Biquad::firstOrderHighPass(double frequency) {
    const Angle w = angleOf(frequency);
    const double k = w.cos / (1.0 + w.sin);
    return {-k, 0.0, (1.0 + k) / 2.0, -(1.0 + k) / 2.0, 0.0};
}

Biquad Biquad::firstOrderLowPass(double frequency) {
    const Angle w = angleOf(frequency);
    const double k = w.cos / (1.0 + w.sin);
    return {-k, 0.0, (1.0 - k) / 2.0, (1.0 - k) / 2.0, 0.0};
}

double Biquad::magnitudeDb(double cosW, double sinW) const {
    // z = e^-jw, so z^2 has the cosine and sine of the double angle.
    const double cos2W = cosW * cosW - sinW * sinW;
    const double sin2W = 2.0 * sinW * cosW;
    const double numeratorRe = b0 + b1 * cosW + b2 * cos2W;
    const double numeratorIm = -(b1 * sinW + b2 * sin2W);
    const double denominatorRe = 1.0 + a1 * cosW + a2 * cos2W;
    const double denominatorIm = -(a1 * sinW + a2 * sin2W);
    const double numerator = numeratorRe * numeratorRe + numeratorIm * numeratorIm;
    const double denominator = denominatorRe * denominatorRe + denominatorIm * denominatorIm;
    return 10.0 * std::log10(numerator / denominator);
}

} // namespace v32
