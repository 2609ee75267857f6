#include "app/values/EffectText.h"

#include <gtest/gtest.h>
#include <string>

namespace v32 {
namespace {

TEST(EffectText, TypeNames) {
    struct Case {
        int type;
        const char* name;
    };
    const Case cases[] = {
        {1, "REVERB HALL"},
        {5, "REVERB VOCAL2"},
        {10, "MOD.DELAY"},
        {12, "PITCH CHANGE"},
        {16, "TREMOLO"},
        {26, "EARLY REF."},
        {27, "GATE REVERB"},
        {28, "VOCAL DOUBLER"},
        {29, "FLANGE"},
        {30, "SYMPHONIC"},
        {31, "DISTORTION"},
        {32, "TAP DELAY"},
        {0, ""},
        {33, ""},
        {-1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_STREQ(effectTypeName(c.type), c.name);
    }
}

TEST(EffectText, TypesSeventeenToTwentyFiveRepeatTheFirstNine) {
    for (int type = 17; type <= 25; ++type) {
        SCOPED_TRACE(type);
        EXPECT_STREQ(effectTypeName(type), effectTypeName(type - 16));
        EXPECT_STRNE(effectTypeName(type), "");
    }
}

TEST(EffectText, ParamCaptions) {
    struct Case {
        int type;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {1, "REVERB PREDELAY", "REVERB DURATION"},
        {21, "REVERB PREDELAY", "REVERB DURATION"},
        {6, "ECHO DELAY", "ECHO REPEAT"},
        {11, "ECHO DELAY", "ECHO DELAY"},
        {12, "SLOPE", "DEPTH"},
        {16, "FREQUENCY", "DEPTH"},
        {22, "ECHO DELAY", "ECHO REPEAT"},
        {27, "REVERB DELAY", "ECHO REPEAT"},
        {28, "FREQUENCY", "REVERB RATIO"},
        {30, "ECHO DELAY", "ECHO REPEAT"},
        {31, "FREQUENCY", "DEPTH"},
        {32, "ECHO DELAY", "ECHO REPEAT"},
        {0, "UNDEF", "UNDEF"},
        {33, "UNDEF", "UNDEF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_STREQ(effectParamCaption(c.type, EffectParam::First), c.first);
        EXPECT_STREQ(effectParamCaption(c.type, EffectParam::Second), c.second);
    }
}

TEST(EffectText, ParamValuesByType) {
    struct Case {
        int type;
        EffectParam param;
        std::uint16_t raw;
        const char* text;
        const char* bareText;
    };
    constexpr EffectParam first = EffectParam::First;
    constexpr EffectParam second = EffectParam::Second;
    const Case cases[] = {
        {1, first, 37, "37ms", "37"},    {21, first, 37, "37ms", "37"},
        {11, first, 37, "3.7s", "3.7"},  {27, first, 37, "3.7s", "3.7"},
        {12, first, 37, "37", "37"},     {13, first, 37, "37Hz", "37"},
        {29, first, 37, "37Hz", "37"},   {31, first, 37, "37Hz", "37"},
        {6, first, 37, "185ms", "185"},  {22, first, 37, "185ms", "185"},
        {30, first, 37, "185ms", "185"}, {32, first, 37, "185ms", "185"},
        {5, second, 37, "3.7s", "3.7"},  {17, second, 37, "3.7s", "3.7"},
        {6, second, 37, "37%", "37"},    {16, second, 37, "37%", "37"},
        {22, second, 37, "37%", "37"},   {32, second, 37, "37%", "37"},
        {1, second, 0, "0.0s", "0.0"},   {6, first, 65535, "327675ms", "327675"},
        {0, first, 37, "", ""},          {33, second, 37, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " raw " << c.raw);
        EXPECT_EQ(effectParamText(c.type, c.param, c.raw), c.text);
        EXPECT_EQ(effectParamText(c.type, c.param, c.raw, UnitDisplay::Omitted), c.bareText);
    }
}

} // namespace
} // namespace v32
