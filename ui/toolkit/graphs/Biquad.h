#pragma once

namespace v32 {

// One second-order digital filter section at the mixer's 48 kHz rate, normalised so
// that a0 is 1. The equaliser's bands and the filter slopes are built from these.
struct Biquad {
    static constexpr double kSampleRate = 48000.0;
    // The angular step is taken in single precision, as the mixer computes it, so that
    // curve pixels and band centres land where the mixer puts them.
    static constexpr double kTwoPi = 6.2831854820251465;

    double a1 = 0;
    double a2 = 0;
    double b0 = 1;
    double b1 = 0;
    double b2 = 0;

    static Biquad peaking(double frequency, double gain, double q);
    static Biquad highShelf(double frequency, double gain, double q);
    static Biquad lowShelf(double frequency, double gain, double q);
    static Biquad highPass(double frequency, double q);
    static Biquad lowPass(double frequency, double q);
    static Biquad firstOrderHighPass(double frequency);
    static Biquad firstOrderLowPass(double frequency);

    // The gain in dB at the angular frequency whose cosine and sine are given.
    double magnitudeDb(double cosW, double sinW) const;
};

} // namespace v32
