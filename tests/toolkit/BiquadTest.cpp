#include "ui/toolkit/graphs/Biquad.h"

#include "ui/toolkit/graphs/BiquadCascade.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>

namespace v32 {
namespace {

constexpr double kSampleRate = 48000.0;
constexpr double kCorner = 1000.0;

// Reference levels from first principles rather than from the filter code.
const double kHalfPowerDb = 20.0 * std::log10(std::sqrt(0.5)); // -3.0103
const double kHalfAmplitudeDb = 20.0 * std::log10(0.5);        // -6.0206
// A second-order section has the gain of its quality at its own corner.
const double kBesselSectionDb = 20.0 * std::log10(1.0 / std::sqrt(3.0));

double responseDb(const Biquad& biquad, double frequency) {
    const double w = 2.0 * std::numbers::pi * frequency / kSampleRate;
    return biquad.magnitudeDb(std::cos(w), std::sin(w));
}

double responseDb(const BiquadCascade& cascade, double frequency) {
    const double w = 2.0 * std::numbers::pi * frequency / kSampleRate;
    return cascade.magnitudeDb(std::cos(w), std::sin(w));
}

BiquadCascade cascadeOf(int code) {
    const std::optional<BiquadCascade> cascade = BiquadCascade::forFilterCode(code, kCorner);
    EXPECT_TRUE(cascade.has_value()) << "code " << code;
    return cascade.value_or(BiquadCascade{});
}

TEST(Biquad, PeakingBandReachesItsGainAtItsCentreAndLittleFarAway) {
    const double gains[] = {-12.0, -3.5, 6.0, 12.0};
    const double centres[] = {100.0, 1000.0, 10000.0};
    const double qualities[] = {0.6, 1.0, 4.0};
    for (const double gain : gains) {
        for (const double centre : centres) {
            for (const double q : qualities) {
                SCOPED_TRACE(testing::Message() << gain << " dB at " << centre << " Hz, Q " << q);
                const Biquad band = Biquad::peaking(centre, gain, q);
                EXPECT_NEAR(responseDb(band, centre), gain, 1e-4);
                EXPECT_NEAR(responseDb(band, centre / 64), 0.0, 0.2);
            }
        }
    }
}

TEST(Biquad, PeakingBandWithoutGainIsFlat) {
    const Biquad band = Biquad::peaking(1000.0, 0.0, 1.0);
    for (const double frequency : {20.0, 500.0, 1000.0, 5000.0, 20000.0}) {
        EXPECT_DOUBLE_EQ(responseDb(band, frequency), 0.0) << frequency;
    }
}

TEST(Biquad, ShelvesHoldTheirGainOnOneSideAndHalfOfItAtTheCorner) {
    struct Case {
        const char* name;
        Biquad shelf;
        double dcDb;
        double nyquistDb;
    };
    const Case cases[] = {
        {"high shelf +9", Biquad::highShelf(2000.0, 9.0, 1.0), 0.0, 9.0},
        {"high shelf -6", Biquad::highShelf(2000.0, -6.0, 0.7), 0.0, -6.0},
        {"low shelf +9", Biquad::lowShelf(2000.0, 9.0, 1.0), 9.0, 0.0},
        {"low shelf -6", Biquad::lowShelf(2000.0, -6.0, 0.7), -6.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // At DC z is 1 and at half the sample rate z is -1.
        EXPECT_NEAR(c.shelf.magnitudeDb(1.0, 0.0), c.dcDb, 1e-4);
        EXPECT_NEAR(c.shelf.magnitudeDb(-1.0, 0.0), c.nyquistDb, 1e-4);
        EXPECT_NEAR(responseDb(c.shelf, 2000.0), (c.dcDb + c.nyquistDb) / 2, 1e-4);
    }
}

TEST(Biquad, ShelvesTakeNoQualityAboveTwo) {
    for (const double frequency : {50.0, 300.0, 1000.0, 2500.0, 8000.0}) {
        SCOPED_TRACE(frequency);
        EXPECT_DOUBLE_EQ(responseDb(Biquad::highShelf(1000.0, 8.0, 4.0), frequency),
                         responseDb(Biquad::highShelf(1000.0, 8.0, 2.0), frequency));
        EXPECT_DOUBLE_EQ(responseDb(Biquad::lowShelf(1000.0, -8.0, 10.0), frequency),
                         responseDb(Biquad::lowShelf(1000.0, -8.0, 2.0), frequency));
    }
    EXPECT_GT(std::abs(responseDb(Biquad::highShelf(1000.0, 8.0, 1.0), 1500.0) -
                       responseDb(Biquad::highShelf(1000.0, 8.0, 2.0), 1500.0)),
              0.1);
}

TEST(Biquad, FirstOrderSectionsAreHalfPowerAtTheCorner) {
    EXPECT_NEAR(responseDb(Biquad::firstOrderHighPass(kCorner), kCorner), kHalfPowerDb, 1e-3);
    EXPECT_NEAR(responseDb(Biquad::firstOrderLowPass(kCorner), kCorner), kHalfPowerDb, 1e-3);
    EXPECT_NEAR(Biquad::firstOrderHighPass(kCorner).magnitudeDb(-1.0, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(Biquad::firstOrderLowPass(kCorner).magnitudeDb(1.0, 0.0), 0.0, 1e-9);
}

struct FilterCase {
    int highPassCode;
    int slope;
    double cornerDb;
};

// Every Butterworth filter is at half power at its corner, every Linkwitz-Riley filter
// at half amplitude; a Bessel filter loses the gain of its sections' quality.
std::vector<FilterCase> filterCases() {
    std::vector<FilterCase> cases;
    const int slopes[] = {12, 18, 24, 30, 36, 42, 48};
    const int butterworthCodes[] = {8, 14, 20, 46, 52, 58, 26};
    for (int i = 0; i < 7; ++i) {
        const int order = slopes[i] / 6;
        const double bessel = (order % 2 != 0 ? kHalfPowerDb : 0.0) + order / 2 * kBesselSectionDb;
        cases.push_back({butterworthCodes[i], slopes[i], kHalfPowerDb});
        cases.push_back({butterworthCodes[i] + 2, slopes[i], bessel});
        cases.push_back({butterworthCodes[i] + 4, slopes[i], kHalfAmplitudeDb});
    }
    return cases;
}

TEST(BiquadCascade, EveryFilterCodeHasItsLevelAtTheCorner) {
    for (const FilterCase& c : filterCases()) {
        SCOPED_TRACE(testing::Message() << "code " << c.highPassCode);
        EXPECT_NEAR(responseDb(cascadeOf(c.highPassCode), kCorner), c.cornerDb, 0.01);
        EXPECT_NEAR(responseDb(cascadeOf(c.highPassCode + 1), kCorner), c.cornerDb, 0.01);
    }
}

TEST(BiquadCascade, EveryFilterCodeFallsByItsSlopeFarFromTheCorner) {
    for (const FilterCase& c : filterCases()) {
        SCOPED_TRACE(testing::Message() << "code " << c.highPassCode << ", " << c.slope << " dB");
        const BiquadCascade highPass = cascadeOf(c.highPassCode);
        EXPECT_NEAR(responseDb(highPass, kCorner / 32) - responseDb(highPass, kCorner / 64),
                    c.slope, 0.3);
        EXPECT_NEAR(responseDb(highPass, kCorner * 16), 0.0, 0.1);
        // Low-passes are measured from a low corner, where the sample rate bends the
        // slope least.
        const BiquadCascade lowPass = *BiquadCascade::forFilterCode(c.highPassCode + 1, 50.0);
        EXPECT_NEAR(responseDb(lowPass, 800.0) - responseDb(lowPass, 1600.0), c.slope, 0.4);
        EXPECT_NEAR(responseDb(lowPass, 50.0 / 16), 0.0, 0.1);
    }
}

TEST(BiquadCascade, FlatCodesGiveNoSectionsAndOtherCodesNoFilter) {
    for (int code = 64; code <= 69; ++code) {
        const std::optional<BiquadCascade> flat = BiquadCascade::forFilterCode(code, kCorner);
        ASSERT_TRUE(flat.has_value()) << code;
        EXPECT_TRUE(flat->sections().empty()) << code;
        EXPECT_EQ(flat->magnitudeDb(0.5, 0.5), 0.0) << code;
    }
    for (const int code : {0, 1, 7, 32, 33, 45, 70, 255}) {
        EXPECT_FALSE(BiquadCascade::forFilterCode(code, kCorner).has_value()) << code;
    }
}

} // namespace
} // namespace v32
