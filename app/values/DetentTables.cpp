#include "app/values/DetentTables.h"

#include "app/protocol/ValueKindId.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace v32 {

namespace {

// Points first / divisor, (first + 1) / divisor, ...: each one the double nearest to
// its decimal value rather than an accumulated sum.
template <std::size_t Count>
constexpr std::array<double, Count> evenSteps(int first, int divisor) {
    std::array<double, Count> points{};
    for (std::size_t i = 0; i < Count; ++i) {
        points[i] = static_cast<double>(first + static_cast<int>(i)) / divisor;
    }
    return points;
}

constexpr auto kWholeSteps = evenSteps<64>(0, 1);         // 0 .. 63
constexpr auto kHalfDecibels = evenSteps<161>(-160, 2);   // -80 .. 0 dB
constexpr auto kTenthDecibels = evenSteps<241>(-120, 10); // -12 .. +12 dB

// Compressor ratios: fine steps near 1 : 1, then 0.1 up to 2, 0.2 up to 4, 0.5 up to 7,
// whole numbers up to 10 and the wide top points.
constexpr std::array<double, 41> kRatios = {
    1.0, 1.03, 1.05, 1.07, 1.1, 1.15, 1.2, 1.25, 1.3,  1.35, 1.4,  1.5,  1.6,  1.7,
    1.8, 1.9,  2.0,  2.2,  2.4, 2.6,  2.8, 3.0,  3.2,  3.4,  3.6,  3.8,  4.0,  4.5,
    5.0, 5.5,  6.0,  6.5,  7.0, 8.0,  9.0, 10.0, 12.0, 16.0, 20.0, 40.0, 60.0,
};

// The fader scale in dB; send levels use its first 49 points, which end at 0 dB.
constexpr std::array<double, 61> kFaderLevels = {
    -120, -110,  -100,  -90,   -80,   -70,   -60,   -50,  -48.3, -46.7, -45,  -43.3, -41.7,
    -40,  -38.6, -37.1, -35.7, -34.3, -32.9, -31.4, -30,  -28.3, -26.7, -25,  -23.3, -21.7,
    -20,  -18.3, -16.7, -15,   -13.3, -11.7, -10,   -9.3, -8.6,  -7.9,  -7.1, -6.4,  -5.7,
    -5,   -4.4,  -3.9,  -3.3,  -2.8,  -2.2,  -1.7,  -1.1, -0.6,  0,     0.7,  1.4,   2.1,
    2.9,  3.6,   4.3,   5,     6,     7,     8,     9,    10,
};
constexpr std::size_t kSendLevelCount = 49;

// Frequencies in Hz, about 1/24 octave apart. Generated as 20 x 1.03^k for k = 0 .. 233,
// rounded to 0.1 Hz below 100 Hz and to 1 Hz above (the resolutions a raw frequency
// can hold), led by 19.6 and 19.7 Hz (the high-pass off point and the lowest band
// frequency) and topped by 20000 Hz and the low-pass off point 20600 Hz.
// High-pass frequencies use 19.6 .. 20000, band frequencies 19.7 .. 20000 and low-pass
// frequencies 19.7 .. 20600.
constexpr std::array<double, 238> kFrequencies = {
    19.6,    19.7,    20.0,    20.6,    21.2,    21.9,    22.5,    23.2,    23.9,    24.6,
    25.3,    26.1,    26.9,    27.7,    28.5,    29.4,    30.3,    31.2,    32.1,    33.1,
    34.0,    35.1,    36.1,    37.2,    38.3,    39.5,    40.7,    41.9,    43.1,    44.4,
    45.8,    47.1,    48.5,    50.0,    51.5,    53.0,    54.6,    56.3,    58.0,    59.7,
    61.5,    63.3,    65.2,    67.2,    69.2,    71.3,    73.4,    75.6,    77.9,    80.2,
    82.6,    85.1,    87.7,    90.3,    93.0,    95.8,    98.7,    102.0,   105.0,   108.0,
    111.0,   114.0,   118.0,   121.0,   125.0,   129.0,   133.0,   137.0,   141.0,   145.0,
    149.0,   154.0,   158.0,   163.0,   168.0,   173.0,   178.0,   184.0,   189.0,   195.0,
    201.0,   207.0,   213.0,   219.0,   226.0,   233.0,   240.0,   247.0,   254.0,   262.0,
    270.0,   278.0,   286.0,   295.0,   303.0,   313.0,   322.0,   332.0,   342.0,   352.0,
    362.0,   373.0,   384.0,   396.0,   408.0,   420.0,   433.0,   446.0,   459.0,   473.0,
    487.0,   502.0,   517.0,   532.0,   548.0,   564.0,   581.0,   599.0,   617.0,   635.0,
    654.0,   674.0,   694.0,   715.0,   736.0,   759.0,   781.0,   805.0,   829.0,   854.0,
    879.0,   906.0,   933.0,   961.0,   990.0,   1019.0,  1050.0,  1082.0,  1114.0,  1147.0,
    1182.0,  1217.0,  1254.0,  1291.0,  1330.0,  1370.0,  1411.0,  1454.0,  1497.0,  1542.0,
    1588.0,  1636.0,  1685.0,  1736.0,  1788.0,  1841.0,  1897.0,  1953.0,  2012.0,  2072.0,
    2135.0,  2199.0,  2265.0,  2333.0,  2402.0,  2475.0,  2549.0,  2625.0,  2704.0,  2785.0,
    2869.0,  2955.0,  3043.0,  3135.0,  3229.0,  3326.0,  3425.0,  3528.0,  3634.0,  3743.0,
    3855.0,  3971.0,  4090.0,  4213.0,  4339.0,  4469.0,  4603.0,  4742.0,  4884.0,  5030.0,
    5181.0,  5337.0,  5497.0,  5662.0,  5831.0,  6006.0,  6187.0,  6372.0,  6563.0,  6760.0,
    6963.0,  7172.0,  7387.0,  7609.0,  7837.0,  8072.0,  8314.0,  8564.0,  8821.0,  9085.0,
    9358.0,  9639.0,  9928.0,  10225.0, 10532.0, 10848.0, 11174.0, 11509.0, 11854.0, 12210.0,
    12576.0, 12953.0, 13342.0, 13742.0, 14154.0, 14579.0, 15016.0, 15467.0, 15931.0, 16409.0,
    16901.0, 17408.0, 17930.0, 18468.0, 19022.0, 19593.0, 20000.0, 20600.0,
};
constexpr std::size_t kHighPassFrequencyCount = 237;
constexpr std::size_t kBandFrequencyCount = 236;

// Filter qualities, about 6 % apart. Generated as 0.6 x 1.06^i for i = 0 .. 66 rounded
// to 0.001, with the hand-set points 0.6 .. 1.138 (i = 0 .. 11, including the exact
// 1.0) and 20.98 .. 28.076 (i = 61 .. 66) kept as they were.
constexpr std::array<double, 67> kQualities = {
    0.6,    0.636,  0.674,  0.714,  0.757,  0.802,  0.851,  0.902, 0.956,  1.0,    1.074,  1.138,
    1.207,  1.28,   1.357,  1.438,  1.524,  1.616,  1.713,  1.815, 1.924,  2.04,   2.162,  2.292,
    2.429,  2.575,  2.73,   2.893,  3.067,  3.251,  3.446,  3.653, 3.872,  4.104,  4.351,  4.612,
    4.888,  5.182,  5.493,  5.822,  6.171,  6.542,  6.934,  7.35,  7.791,  8.259,  8.754,  9.28,
    9.836,  10.427, 11.052, 11.715, 12.418, 13.163, 13.953, 14.79, 15.678, 16.618, 17.615, 18.672,
    19.793, 20.98,  22.239, 23.573, 24.988, 26.487, 28.076,
};

static_assert(kFaderLevels[kSendLevelCount - 1] == 0.0);
static_assert(kFrequencies[kHighPassFrequencyCount - 1] == 20000.0);
static_assert(kFrequencies.back() == 20600.0);

std::span<const double> frequencyDetents(std::size_t first, std::size_t count) {
    return std::span<const double>(kFrequencies).subspan(first, count);
}

} // namespace

std::span<const double> detentTable(int kind) {
    switch (kind) {
    case ValueInputGain:
        return kWholeSteps;
    case ValueCompressorThreshold:
        return kHalfDecibels;
    case ValueCompressorRatio:
        return kRatios;
    case ValueFaderLevel:
        return kFaderLevels;
    case ValueSendLevel:
        return std::span<const double>(kFaderLevels).first(kSendLevelCount);
    case ValueHighPassFrequency:
        return frequencyDetents(0, kHighPassFrequencyCount);
    case ValueLowPassFrequency:
        return frequencyDetents(1, kHighPassFrequencyCount);
    case ValueBandFrequency:
    case ValueGraphicFrequency:
        return frequencyDetents(1, kBandFrequencyCount);
    case ValueBandGain:
    case ValueGraphicGain:
        return kTenthDecibels;
    case ValueBandQ:
    case ValueGraphicQ:
        return kQualities;
    default:
        return {};
    }
}

int detentCount(int kind) {
    return static_cast<int>(detentTable(kind).size());
}

int nearestDetent(int kind, double real) {
    // Times step through the whole-number points without owning a table of their own.
    const std::span<const double> points =
        kind == ValueCompressorAttack ? std::span<const double>(kWholeSteps) : detentTable(kind);
    if (points.empty()) {
        return -1;
    }
    const int last = static_cast<int>(points.size()) - 1;
    if (!(real > points.front())) {
        return 0;
    }
    if (real >= points.back()) {
        return last;
    }
    const auto upper = std::lower_bound(points.begin(), points.end(), real);
    const int index = static_cast<int>(upper - points.begin());
    return real - points[index - 1] < points[index] - real ? index - 1 : index;
}

} // namespace v32
