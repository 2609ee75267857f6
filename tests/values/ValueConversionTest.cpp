#include "app/values/ValueConversion.h"

#include "app/values/ValueKinds.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace v32 {
namespace {

TEST(ValueKinds, KindsWithoutARecordFallBackToKindZero) {
    const ValueKind& fallback = valueKind(0);
    for (int kind : {-1, 28, 29, 30, 31, 33, 37, 40, 42, 45, 1000}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(&valueKind(kind), &fallback);
    }
    EXPECT_EQ(fallback.maximum, 65535);
    EXPECT_EQ(fallback.scale, 1);
}

TEST(ValueKinds, RecordsCarryTheirRanges) {
    struct Case {
        int kind;
        int scale;
        int minimum;
        int maximum;
        int decimals;
        const char* unit;
    };
    const Case cases[] = {
        {2, 1, -100, 100, 0, ""},    {10, 10, -800, 0, 1, "dB"},     {15, 10, -1200, 100, 1, "dB"},
        {16, 10, -1200, 0, 1, "dB"}, {20, 10, 197, 206000, 0, "Hz"}, {26, 100, 60, 2808, 2, ""},
        {32, 1, 1, 32, 0, ""},       {38, 10, 0, 400, 1, "mS"},      {44, 1, 0, 15, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const ValueKind& record = valueKind(c.kind);
        EXPECT_NE(&record, &valueKind(0));
        EXPECT_EQ(record.scale, c.scale);
        EXPECT_EQ(record.minimum, c.minimum);
        EXPECT_EQ(record.maximum, c.maximum);
        EXPECT_EQ(record.decimals, c.decimals);
        EXPECT_STREQ(record.unit, c.unit);
    }
}

struct RealCase {
    int kind;
    std::uint16_t raw;
    double real;
};

TEST(ValueConversion, RawToReal) {
    const RealCase cases[] = {
        {2, 100, 0.0},
        {2, 150, 50.001},
        {2, 90, -10.001},
        {4, 25, 2.5},
        {5, 30, -30.0},
        {9, 0xFFB0, -8.0},
        {38, 0xFFFB, -0.5},
        {10, 0x8000 | 125, -12.5},
        {10, 125, 12.5},
        {10, 0x8000, 0.0},
        {12, 400, 4.0},
        {15, 1200, 0.0},
        {15, 0xC000 | 1300, 10.0},
        {16, 0, -120.0},
        {19, 0x8000 | 196, 19.6},
        {21, 1500, 1500.0},
        {22, 380, -12.0},
        {26, 2808, 28.08},
        {0, 65535, 65535.0},
        {44, 7, 7.0},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " raw " << c.raw);
        EXPECT_DOUBLE_EQ(toReal(c.kind, c.raw), c.real);
    }
    EXPECT_FALSE(std::signbit(toReal(10, 0x8000)));
}

struct RawCase {
    int kind;
    double real;
    std::uint16_t raw;
};

TEST(ValueConversion, RealToRaw) {
    const RawCase cases[] = {
        {2, 0.0, 100},
        {2, -9.9999, 90},
        {2, 49.9995, 150},
        {2, -100.0, 0},
        {4, 2.46, 25},
        {11, 3.0, 30},
        {38, -0.5, 0xFFFB},
        {5, -30.0, 30},
        {10, -12.5, 0x8000 | 125},
        {10, 0.0, 0},
        {10, 12.5, 125},
        {12, 1.03, 103},
        {14, 20.0, 1400},
        {15, -120.0, 0},
        {15, 10.0, 1300},
        {19, -1.0, 0},
        {21, 50.0, 0x8000 | 500},
        {21, 99.9, 0x8000 | 999},
        {21, 1000.0, 1000},
        {24, 100.0, 100},
        {21, 1.0e6, 0xFFFF},
        {22, -12.0, 380},
        {22, -60.0, 0},
        {25, 1.0e6, 0xFFFF},
        {23, 28.076, 2808},
        {9, -80.0, 0xFCE0}, // stored as signed tenths, so it reads back as -80.0
        {0, 7.9, 7},
        {0, 1.0e12, 0xFFFF},
    };
    for (const RawCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " real " << c.real);
        EXPECT_EQ(toRaw(c.kind, c.real), c.raw);
    }
}

TEST(ValueConversion, NotANumberStoresZeroOrTheCentre) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(toRaw(0, nan), 0);
    EXPECT_EQ(toRaw(21, nan), 0);
    EXPECT_EQ(toRaw(15, nan), 1200);
}

TEST(ValueConversion, StepValueAndIndex) {
    struct Case {
        int kind;
        int index;
        double value;
    };
    const Case cases[] = {
        {4, 25, 2.5}, {11, 30, 3.0}, {13, 100, 10.0}, {5, -30, -30.0}, {0, 7, 7.0}, {8, 0, 2},
        {8, 1, 4},    {8, 2, 6},     {8, 3, 8},       {8, 4, 16},      {8, 5, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " index " << c.index);
        EXPECT_DOUBLE_EQ(stepValue(c.kind, c.index), c.value);
        EXPECT_EQ(stepIndex(c.kind, c.value), c.index);
    }
}

TEST(ValueConversion, KindEightStepsClampAndBucket) {
    EXPECT_DOUBLE_EQ(stepValue(8, -3), 2);
    EXPECT_DOUBLE_EQ(stepValue(8, 9), 32);
    struct Case {
        double value;
        int index;
    };
    const Case cases[] = {{0, 0},  {3.9, 0},  {5.9, 1}, {7.9, 2},
                          {15, 3}, {31.9, 4}, {33, 5},  {1000, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(stepIndex(8, c.value), c.index);
    }
}

TEST(ValueConversion, StepIndexRoundsTheScaledValue) {
    EXPECT_EQ(stepIndex(4, 2.46), 25);
    EXPECT_EQ(stepIndex(12, 1.034), 103);
    EXPECT_EQ(stepIndex(28, 12.6), 13);
}

} // namespace
} // namespace v32
