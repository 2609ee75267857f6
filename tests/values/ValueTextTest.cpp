#include "app/values/ValueText.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace v32 {
namespace {

struct TextCase {
    int kind;
    std::uint16_t raw;
    const char* text;
    const char* bareText; // without the unit
};

TEST(ValueText, TextsByKind) {
    const TextCase cases[] = {
        {15, 1200, "0.0dB", "0.0"},
        {15, 0, "-∞", "-∞"},
        {15, 1300, "10.0dB", "10.0"},
        {15, 0x8000 | 1200, "0.0dB", "0.0"},
        {15, 0x8000, "-∞", "-∞"},
        {15, 0x4000 | 1300, "10.0dB", "10.0"},
        {16, 700, "-50.0dB", "-50.0"},
        {14, 0, "-∞", "-∞"},
        {14, 1250, "5.0dB", "5.0"},
        {2, 100, "L = R", "L = R"},
        {2, 90, "L 10%", "L 10%"},
        {2, 150, "R 50%", "R 50%"},
        {2, 0, "L 100%", "L 100%"},
        {2, 200, "R 100%", "R 100%"},
        {12, 4100, "Infinity", "Infinity"},
        {12, 4000, "1 : 40", "1 : 40"},
        {12, 400, "1 : 4", "1 : 4"},
        {12, 103, "1 : 1.03", "1 : 1.03"},
        {21, 0x8000 + 1000, "100Hz", "100"},
        {21, 19, "OFF", "OFF"},
        {21, 1500, "1.5kHz", "1.5k"},
        {21, 15000, "15kHz", "15k"},
        {24, 0x8000 | 505, "50.5Hz", "50.5"},
        {19, 0x8000 | 196, "OFF", "OFF"},
        {19, 0x8000 | 197, "19.7Hz", "19.7"},
        {20, 20000, "20kHz", "20k"},
        {20, 20600, "OFF", "OFF"},
        {22, 500, "0.0dB", "0.0dB"},
        {25, 380, "-12.0dB", "-12.0dB"},
        {27, 1, "REVERB HALL", "REVERB HALL"},
        {27, 0, "", ""},
        {27, 33, "", ""},
        {39, 0, "180", "180"},
        {39, 1, "0", "0"},
        {17, 8, "BUTTER\nWORTH", "BUTTER\nWORTH"},
        {18, 31, "LINKWITZ\n-RILEY", "LINKWITZ\n-RILEY"},
        {17, 64, "", ""},
        {4, 25, "2.5ms", "2.5"},
        {5, 30, "-30dB", "-30"},
        {9, 0xFFB0, "-8", "-8"},
        {10, 0x8000 | 125, "-12.5dB", "-12.5"},
        {10, 0x8000, "0.0dB", "0.0"},
        {13, 12345, "1235mS", "1235"},
        {26, 141, "1.41", "1.41"},
        {0, 65535, "65535", "65535"},
        {28, 5, "5", "5"},
        {99, 7, "7", "7"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " raw " << c.raw);
        EXPECT_EQ(valueText(c.kind, c.raw), c.text);
        EXPECT_EQ(valueText(c.kind, c.raw, UnitDisplay::Omitted), c.bareText);
    }
}

TEST(ValueText, FrequencyThresholds) {
    struct Case {
        double hertz;
        const char* text;
    };
    const Case cases[] = {
        {19.64, "OFF"},
        {19.66, "19.7Hz"},
        {99.94, "99.9Hz"},
        {99.96, "100Hz"},
        {999.4, "999Hz"},
        {999.94, "1000Hz"},
        {999.96, "1kHz"},
        {12345, "12.3kHz"},
        {20000, "20kHz"},
        {20000.06, "OFF"},
        {-5, "OFF"},
        {1.0e30, "OFF"},
        {std::numeric_limits<double>::quiet_NaN(), "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hertz);
        EXPECT_EQ(frequencyText(c.hertz), c.text);
    }
    EXPECT_EQ(frequencyText(999.96, UnitDisplay::Omitted), "1k");
    EXPECT_EQ(frequencyText(19.64, UnitDisplay::Omitted), "OFF");
}

TEST(ValueText, FilterTextOfBothRows) {
    struct Case {
        int code;
        const char* alignment;
        const char* slope;
    };
    const Case cases[] = {
        {8, "BUTTER\nWORTH", "12dB"},
        {9, "BUTTER\nWORTH", "12dB"},
        {17, "BESSEL", "18dB"},
        {24, "LINKWITZ\n-RILEY", "24dB"},
        {46, "BUTTER\nWORTH", "30dB"},
        {55, "BESSEL", "36dB"},
        {63, "LINKWITZ\n-RILEY", "42dB"},
        {26, "BUTTER\nWORTH", "48dB"},
        {31, "LINKWITZ\n-RILEY", "48dB"},
        {0, "", ""},
        {7, "", ""},
        {32, "", ""},
        {45, "", ""},
        {64, "", ""},
        {65535, "", ""},
        {-2, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const FilterText text = filterText(c.code);
        EXPECT_EQ(text.alignment, c.alignment);
        EXPECT_EQ(text.slope, c.slope);
    }
}

TEST(ValueText, BandText) {
    struct Case {
        double hertz;
        const char* text;
    };
    const Case filterCases[] = {
        {19.6, "OFF"},    {19.7, "OFF"},    {20, "F:20.0"},  {99.5, "F:99.5"},   {100, "F:100"},
        {999.4, "F:999"}, {1500, "F:1.5k"}, {9999, "F:10k"}, {10000, "F:10.0k"}, {20000, "F:20.0k"},
    };
    for (const Case& c : filterCases) {
        SCOPED_TRACE(c.hertz);
        EXPECT_EQ(bandText(c.hertz), c.text);
    }
    EXPECT_EQ(bandText(1000, 3, 1.4), "F:1k\nG:3.0\nQ:1.4");
    EXPECT_EQ(bandText(50, -12, 28.076), "F:50.0\nG:-12.0\nQ:28");
    EXPECT_EQ(bandText(20000, 0, 0.6), "F:20.0k\nG:0.0\nQ:0.6");
}

class FakeParamReader : public ParamReader {
public:
    std::uint16_t value(ParamId id) const override {
        const auto found = values.find(id);
        return found == values.end() ? 0 : found->second;
    }
    std::map<ParamId, std::uint16_t> values;
};

constexpr int kEffectType = 229;
constexpr int kEffectFirstParam = 230;
constexpr int kEffectSecondParam = 231;

TEST(ParamText, TakesKindAndValueFromTheModel) {
    FakeParamReader reader;
    const ParamId fader = paramId(KindInput, 0, 12);
    reader.values[fader] = 0x8000 | 1200;
    EXPECT_EQ(paramText(reader, fader), "0.0dB");
    EXPECT_EQ(paramText(reader, fader, UnitDisplay::Omitted), "0.0");

    const ParamId pan = paramId(KindInput, 3, 11);
    reader.values[pan] = 90;
    EXPECT_EQ(paramText(reader, pan), "L 10%");
}

TEST(ParamText, EffectParametersFollowTheirOwnEffectsType) {
    struct Case {
        int effectType;
        int number;
        std::uint16_t raw;
        const char* text;
        const char* bareText;
    };
    const Case cases[] = {
        {1, kEffectFirstParam, 40, "40ms", "40"},    {6, kEffectFirstParam, 40, "200ms", "200"},
        {26, kEffectFirstParam, 40, "4.0s", "4.0"},  {13, kEffectFirstParam, 40, "40Hz", "40"},
        {17, kEffectSecondParam, 25, "2.5s", "2.5"}, {6, kEffectSecondParam, 25, "25%", "25"},
        {0, kEffectFirstParam, 40, "", ""},          {33, kEffectSecondParam, 25, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.effectType << " number " << c.number);
        FakeParamReader reader;
        // The neighbouring effects hold a type with other units; only effect 1's counts.
        reader.values[paramId(KindEffect, 0, kEffectType)] = 12;
        reader.values[paramId(KindEffect, 2, kEffectType)] = 12;
        reader.values[paramId(KindEffect, 1, kEffectType)] =
            static_cast<std::uint16_t>(c.effectType);
        const ParamId id = paramId(KindEffect, 1, c.number);
        reader.values[id] = c.raw;
        EXPECT_EQ(paramText(reader, id), c.text);
        EXPECT_EQ(paramText(reader, id, UnitDisplay::Omitted), c.bareText);
    }
}

} // namespace
} // namespace v32
