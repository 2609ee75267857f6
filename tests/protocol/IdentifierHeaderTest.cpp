#include "app/protocol/IdentifierHeader.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace v32 {
namespace {

// Enumerators "ID_0", "ID_1", ... with the given last name, one per line.
std::string enumerators(int count, const std::string& lastName = "ID_M0_END") {
    std::string text;
    for (int n = 0; n + 1 < count; ++n) {
        text += "    ID_" + std::to_string(n) + ",\n";
    }
    return text + "    " + lastName + "\n";
}

std::string header(const std::string& body) {
    return "#pragma once\n#define LIMITS {1, 2}\ntypedef enum\n{\n" + body + "} param_id_t;\n";
}

TEST(IdentifierHeaderTest, AcceptedHeaderNamesEachIdentifierByPosition) {
    IdentifierHeader names;
    ASSERT_TRUE(names.parseText(header(enumerators(IdentifierHeader::kNameCount))));
    EXPECT_EQ(names.nameCount(), IdentifierHeader::kNameCount);
    EXPECT_STREQ(names.nameOf(0), "ID_0");
    EXPECT_STREQ(names.nameOf(4988), "ID_4988");
    EXPECT_STREQ(names.nameOf(4989), "ID_M0_END");
    EXPECT_STREQ(names.nameOf(4990), "ID_UNDEF");
    EXPECT_STREQ(names.nameOf(5000), "ID_UNDEF");
    EXPECT_STREQ(names.nameOf(0xFFFF), "ID_UNDEF");
}

// Text with the first occurrence of from replaced by to.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(IdentifierHeaderTest, CommentsInsideTheBracesAddNoNames) {
    // Each comment holds commas and name-like words; counted, they would break the total.
    std::string body =
        "    /* ID_FAKE, ID_OTHER,\n ID_THIRD */\n" + enumerators(IdentifierHeader::kNameCount);
    body = replaced(body, "ID_1,\n", "ID_1, // ID_LINE, ID_MORE\n");
    body = replaced(body, "ID_2,\n    ID_3", "ID_2,/*ID_GLUED*/ID_3");
    IdentifierHeader names;
    ASSERT_TRUE(names.parseText(header(body)));
    EXPECT_STREQ(names.nameOf(0), "ID_0");
    EXPECT_STREQ(names.nameOf(2), "ID_2");
    EXPECT_STREQ(names.nameOf(3), "ID_3");
    EXPECT_STREQ(names.nameOf(4989), "ID_M0_END");
}

struct RejectedCase {
    const char* what;
    std::string text;
};

TEST(IdentifierHeaderTest, RejectedHeadersLeaveEveryNameUndefined) {
    const int count = IdentifierHeader::kNameCount;
    const RejectedCase cases[] = {
        {"one name short", header(enumerators(count - 1))},
        {"one name too many", header(enumerators(count + 1))},
        {"wrong last name", header(enumerators(count, "ID_END"))},
        {"no typedef enum", "enum {\n" + enumerators(count) + "};\n"},
        {"no opening brace", "typedef enum\n" + enumerators(count)},
        {"no closing brace", "typedef enum\n{\n" + enumerators(count)},
        {"unterminated comment", header("/* ID_X,\n" + enumerators(count))},
        {"empty text", ""},
    };
    for (const RejectedCase& c : cases) {
        IdentifierHeader names;
        EXPECT_FALSE(names.parseText(c.text)) << c.what;
        EXPECT_EQ(names.nameCount(), 0) << c.what;
        EXPECT_STREQ(names.nameOf(0), "ID_UNDEF") << c.what;
        EXPECT_STREQ(names.nameOf(4989), "ID_UNDEF") << c.what;
    }
}

TEST(IdentifierHeaderTest, RejectedHeaderDropsTheNamesOfAnEarlierOne) {
    IdentifierHeader names;
    ASSERT_TRUE(names.parseText(header(enumerators(IdentifierHeader::kNameCount))));
    EXPECT_FALSE(names.parseText(header(enumerators(IdentifierHeader::kNameCount - 1))));
    EXPECT_STREQ(names.nameOf(0), "ID_UNDEF");
}

TEST(IdentifierHeaderTest, NamesAreUndefinedBeforeAnyParse) {
    const IdentifierHeader names;
    EXPECT_STREQ(names.nameOf(0), "ID_UNDEF");
}

TEST(IdentifierHeaderTest, ReadsTheHeaderFromAFile) {
    const std::string path = testing::TempDir() + "identifier_header_test_id_32ch.h";
    {
        std::ofstream file(path);
        file << header(enumerators(IdentifierHeader::kNameCount));
    }
    IdentifierHeader names;
    EXPECT_TRUE(names.parseFile(path));
    EXPECT_STREQ(names.nameOf(4989), "ID_M0_END");
    std::remove(path.c_str());
}

TEST(IdentifierHeaderTest, MissingFileIsReportedOnStandardError) {
    IdentifierHeader names;
    ASSERT_TRUE(names.parseText(header(enumerators(IdentifierHeader::kNameCount))));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(names.parseFile(testing::TempDir() + "no_such_dir/id_32ch.h"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error reading file\n");
    EXPECT_STREQ(names.nameOf(0), "ID_UNDEF");
}

} // namespace
} // namespace v32
