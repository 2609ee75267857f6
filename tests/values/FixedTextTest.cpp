#include "app/values/FixedText.h"

#include <gtest/gtest.h>
#include <string>

namespace v32 {
namespace {

TEST(FixedText, KeepsTextsUpToTheCapacity) {
    const std::string full(FixedText::kCapacity, 'x');
    EXPECT_EQ(FixedText(full), full);
    EXPECT_EQ(FixedText::format("%s", full.c_str()), full);
    EXPECT_TRUE(FixedText().empty());
    EXPECT_STREQ(FixedText().c_str(), "");
}

TEST(FixedText, TruncatesLikeATwentyFourByteBuffer) {
    const std::string longText = "abcdefghijklmnopqrstuvwxyz0123";
    const std::string kept = longText.substr(0, 23);

    EXPECT_EQ(FixedText(longText), kept);
    const FixedText formatted = FixedText::format("%s%d", longText.c_str(), 42);
    EXPECT_EQ(formatted, kept);
    EXPECT_EQ(formatted.size(), 23u);
    EXPECT_EQ(std::string(formatted.c_str()), kept);
}

TEST(FixedText, AppendStopsAtTheCapacity) {
    FixedText text("0123456789");
    text.append("abcdefghij");
    EXPECT_EQ(text, "0123456789abcdefghij");
    text.append("KLMNOP");
    EXPECT_EQ(text, "0123456789abcdefghijKLM");
    text.append("more");
    EXPECT_EQ(text, "0123456789abcdefghijKLM");
    EXPECT_STREQ(text.c_str(), "0123456789abcdefghijKLM");
}

TEST(FixedText, TextsDoNotShareStorage) {
    const FixedText first = FixedText::format("%d dB", 1);
    const FixedText second = FixedText::format("%d dB", 2);
    FixedText copy = first;
    copy.append("!");
    EXPECT_EQ(first, "1 dB");
    EXPECT_EQ(second, "2 dB");
    EXPECT_EQ(copy, "1 dB!");
}

} // namespace
} // namespace v32
