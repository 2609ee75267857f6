#include "app/protocol/PayloadText.h"
#include "app/protocol/TextPayloadReader.h"
#include "tests/protocol/TestFrames.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace v32 {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

// Reads from an exact-size heap copy so that a read past the text is caught.
Lines readAll(const std::string& text) {
    const std::vector<char> copy(text.begin(), text.end());
    TextPayloadReader reader(std::string_view(copy.data(), copy.size()));
    Lines lines;
    while (const std::optional<TextLine> line = reader.next()) {
        lines.emplace_back(line->key, line->value);
    }
    return lines;
}

struct TextCase {
    std::string name;
    std::string text;
    Lines lines;
};

std::vector<TextCase> textCases() {
    const std::string key63(63, 'K');
    const std::string value63(63, 'v');
    return {
        {"empty text", "", {}},
        {"query with empty value", "DEVNAME=\n", {{"DEVNAME", ""}}},
        {"several lines",
         "ETH_IP=10.0.0.2\nETH_DHCP=ON\n",
         {{"ETH_IP", "10.0.0.2"}, {"ETH_DHCP", "ON"}}},
        {"last line without newline", "A=1\nB=2", {{"A", "1"}, {"B", "2"}}},
        {"blanks trimmed", "  KEY \t= value  \r\n\tX=\t1\t\n", {{"KEY", "value"}, {"X", "1"}}},
        {"value ends at carriage return", "A=1\r2\nB=3", {{"A", "1"}, {"B", "3"}}},
        {"lines without = skipped", "junk\n\n   \nA=B\nmore junk", {{"A", "B"}}},
        {"only the first = splits", "A=B=C\n", {{"A", "B=C"}}},
        {"63-character key and value", key63 + "=" + value63 + "\n", {{key63, value63}}},
        {"limit counts trimmed text",
         "  " + key63 + "  =  " + value63 + "  \n",
         {{key63, value63}}},
        {"64-character key ends the text", "A=1\n" + key63 + "K=x\nB=2\n", {{"A", "1"}}},
        {"64-character value ends the text", "A=1\nB=" + value63 + "v\nC=3\n", {{"A", "1"}}},
    };
}

TEST(TextPayloadTest, ReadsKeyValueLines) {
    for (const TextCase& c : textCases()) {
        EXPECT_EQ(readAll(c.text), c.lines) << c.name;
    }
}

TEST(TextPayloadTest, PayloadTextEndsAtNul) {
    const test::Bytes payload = test::bytesOf(std::string_view("A=1\n\0B=2\n", 9));
    TextPayloadReader reader(payloadText(payload));
    const std::optional<TextLine> first = reader.next();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->key, "A");
    EXPECT_FALSE(reader.next().has_value());
}

TEST(TextPayloadTest, ValueOfFindsTheFirstLineWithTheKey) {
    const std::string_view text = "CMD=CHGPWD\nRESULT=OK\nRESULT=FAIL\n";
    EXPECT_EQ(TextPayloadReader::valueOf(text, "CMD"), "CHGPWD");
    EXPECT_EQ(TextPayloadReader::valueOf(text, "RESULT"), "OK");
    EXPECT_FALSE(TextPayloadReader::valueOf(text, "SCENEKEYLOCK").has_value());
}

} // namespace
} // namespace v32
