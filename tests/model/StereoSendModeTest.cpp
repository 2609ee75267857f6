#include "app/model/StereoSendMode.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

class OneWord : public ParamReader {
public:
    OneWord(ParamId id, std::uint16_t value)
        : m_id(id)
        , m_value(value) {}
    std::uint16_t value(ParamId id) const override { return id == m_id ? m_value : 0; }

private:
    ParamId m_id;
    std::uint16_t m_value;
};

struct WordCase {
    int input;
    int aux;
    ParamId expected;
};

const WordCase kWordCases[] = {
    {28, 0, 5110},           {28, 7, 5110},          {28, 8, 5111},         {28, 13, 5111},
    {30, 0, 5112},           {30, 9, 5113},          {32, 0, 5114},         {32, 13, 5115},
    {29, 0, kInvalidParam},  {33, 5, kInvalidParam}, {4, 0, kInvalidParam}, {28, 14, kInvalidParam},
    {28, -1, kInvalidParam},
};

TEST(StereoSendModeTest, EachStereoInputOwnsTwoWordsOfEightSends) {
    for (const WordCase& c : kWordCases) {
        EXPECT_EQ(StereoSendMode::wordId(c.input, c.aux), c.expected)
            << "input " << c.input << " AUX index " << c.aux;
    }
}

TEST(StereoSendModeTest, ModeIsTheSendsTwoBits) {
    // AUX index 10 sits in bits 4-5 of the second word; its neighbours are set around it.
    EXPECT_EQ(StereoSendMode::of(OneWord(5113, 0b10'11'11), 30, 10), StereoSendMode::kRight);
    EXPECT_EQ(StereoSendMode::of(OneWord(5113, 0b01'11'11), 30, 10), StereoSendMode::kLeft);
    EXPECT_EQ(StereoSendMode::of(OneWord(5113, 0xFFFF), 28, 10), 0) << "another pair's word";
    EXPECT_EQ(StereoSendMode::of(OneWord(5110, 0xC000), 28, 7), StereoSendMode::kBoth);
    EXPECT_EQ(StereoSendMode::of(OneWord(5110, 0xFFFF), 29, 0), 0) << "no word";
}

TEST(StereoSendModeTest, WritingAModeLeavesTheOtherSendsAlone) {
    EXPECT_EQ(StereoSendMode::withMode(0xFFFF, 9, StereoSendMode::kRight), 0xFFFB);
    EXPECT_EQ(StereoSendMode::withMode(0x0000, 7, StereoSendMode::kLeft), 0x4000);
    EXPECT_EQ(StereoSendMode::withMode(0x00C0, 3, 0), 0x0000);
    EXPECT_EQ(StereoSendMode::withMode(0x1234, 3, 7), 0x12F4) << "only two bits taken";
    EXPECT_EQ(StereoSendMode::withMode(0x1234, 14, 3), 0x1234) << "no such send";
}

TEST(StereoSendModeTest, SideButtonsSwitchTheirOwnBit) {
    EXPECT_EQ(StereoSendMode::toggled(0, StereoSendMode::kLeft), StereoSendMode::kLeft);
    EXPECT_EQ(StereoSendMode::toggled(StereoSendMode::kLeft, StereoSendMode::kRight),
              StereoSendMode::kBoth);
    EXPECT_EQ(StereoSendMode::toggled(StereoSendMode::kBoth, StereoSendMode::kLeft),
              StereoSendMode::kRight);
    EXPECT_EQ(StereoSendMode::toggled(StereoSendMode::kRight, StereoSendMode::kRight), 0);
}

} // namespace
} // namespace v32
