#include "app/core/Translation.h"

#include "app/core/LanguageTableZhCn.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace v32 {
namespace {

constexpr std::size_t kZhCnPairCount = 218;

std::size_t pairCount(const TranslationPair* table) {
    std::size_t count = 0;
    while (table[count].key != nullptr) {
        ++count;
    }
    return count;
}

// The conversion letters of a printf format in order ("%-3d %s" gives "ds"); "%%" is text.
std::string conversionsOf(std::string_view format) {
    std::string conversions;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        std::size_t end = i + 1;
        while (end < format.size() && std::strchr("-+ #0123456789.lhz", format[end]) != nullptr) {
            ++end;
        }
        if (end < format.size() && format[end] != '%') {
            conversions += format[end];
        }
        i = end;
    }
    return conversions;
}

std::size_t lineBreaksOf(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count;
}

// The translate() state is shared by the whole test program: every test picks its
// language, and English is restored afterwards for the tests of other components.
class TranslationTest : public ::testing::Test {
protected:
    void SetUp() override { installLanguages(); }
    void TearDown() override { installLanguages(); }
};

// A list that exercises every rule: the fallback needs a first record with a table.
constexpr TranslationPair kFirstTable[] = {
    {"Mute", "first-mute"}, {"Mute", "shadowed"}, {nullptr, nullptr}};
constexpr TranslationPair kThirdTable[] = {{"Solo", "third-solo"}, {nullptr, nullptr}};
constexpr std::array<Language, 3> kList{{
    {"first", kFirstTable},
    {"second", nullptr},
    {"third", kThirdTable},
}};
constexpr std::array<Language, 2> kEnglishFirst{{
    {"en", nullptr},
    {"other", nullptr},
}};

TEST(LookupTranslationTest, FollowsTheRulesForEveryKindOfCurrentRecord) {
    struct Case {
        const char* what;
        std::span<const Language> list;
        const Language* current;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"no current language", kList, nullptr, "Mute", "Mute"},
        {"own table, hit, first pair wins", kList, &kList[0], "Mute", "first-mute"},
        {"own table, case differs", kList, &kList[0], "MUTE", "MUTE"},
        {"own table, prefix only", kList, &kList[0], "Mut", "Mut"},
        {"own table, miss", kList, &kList[2], "Mute", "Mute"},
        {"own table, hit", kList, &kList[2], "Solo", "third-solo"},
        {"no table, falls back to the first", kList, &kList[1], "Mute", "first-mute"},
        {"no table, fallback misses", kList, &kList[1], "Solo", "Solo"},
        {"first record without table", kEnglishFirst, &kEnglishFirst[0], "Mute", "Mute"},
        {"no table, first has none either", kEnglishFirst, &kEnglishFirst[1], "Mute", "Mute"},
        {"null text with a table", kList, &kList[0], nullptr, ""},
        {"null text without a language", kList, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        const char* result = lookupTranslation(c.list, c.current, c.text);
        ASSERT_NE(result, nullptr) << c.what;
        EXPECT_STREQ(result, c.expected) << c.what;
    }
}

TEST_F(TranslationTest, EnglishIsCurrentAfterInstallAndShowsTextsUnchanged) {
    EXPECT_STREQ(currentLanguageName(), "en");
    const char* text = "Mute";
    EXPECT_EQ(translate(text), text);
    EXPECT_STREQ(translate("Local Scene"), "Local Scene");
    EXPECT_STREQ(translate(nullptr), "");
}

TEST_F(TranslationTest, ChineseTranslatesKnownCaptionsAndKeepsOthersInEnglish) {
    ASSERT_TRUE(selectLanguage("zh-cn"));
    EXPECT_STREQ(currentLanguageName(), "zh-cn");
    EXPECT_STREQ(translate("Mute"), "静音");
    EXPECT_STREQ(translate("COLOR"), "颜色");
    EXPECT_STREQ(translate("mute"), "mute");
    EXPECT_STREQ(translate("Mute "), "Mute ");
    EXPECT_STREQ(translate("Not a caption"), "Not a caption");
    EXPECT_STREQ(translate(""), "");
    EXPECT_STREQ(translate(nullptr), "");

    ASSERT_TRUE(selectLanguage("en"));
    EXPECT_STREQ(translate("Mute"), "Mute");
}

TEST_F(TranslationTest, UnknownLanguageNameKeepsTheCurrentLanguage) {
    ASSERT_TRUE(selectLanguage("zh-cn"));
    for (const char* name :
         {"ZH-CN", "zh", "zh-cn ", "fr", "", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(selectLanguage(name)) << (name != nullptr ? name : "(null)");
        EXPECT_STREQ(currentLanguageName(), "zh-cn");
        EXPECT_STREQ(translate("Mute"), "静音");
    }
}

TEST(ZhCnTableTest, HoldsTheCaptionsInTableOrder) {
    ASSERT_EQ(pairCount(kZhCnTable), kZhCnPairCount);

    struct Position {
        std::size_t index;
        const char* key;
    };
    const Position positions[] = {
        {0, "Local Scene"},
        {7, "NO"},
        {45, "SLOPE"},
        {51, "Phone: %s"},
        {78, "Factory reset in progress...\nPlease wait for a few seconds.(%u)"},
        {134, "PASSWROD..."},
        {148, "BUTTER\nWORTH"},
        {175, "SLOPE"},
        {206, "Frequency\n%s"},
        {217, "COLOR"},
    };
    for (const Position& p : positions) {
        EXPECT_STREQ(kZhCnTable[p.index].key, p.key) << "index " << p.index;
    }

    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kZhCnPairCount; ++i) {
        const std::string_view key = kZhCnTable[i].key;
        if (!seen.insert(key).second) {
            EXPECT_EQ(key, "SLOPE") << "duplicate key at index " << i;
        }
    }
}

TEST_F(TranslationTest, FirstSlopePairWins) {
    ASSERT_STRNE(kZhCnTable[45].text, kZhCnTable[175].text);
    ASSERT_TRUE(selectLanguage("zh-cn"));
    EXPECT_STREQ(translate("SLOPE"), kZhCnTable[45].text);
}

TEST(ZhCnTableTest, TranslationsKeepFormatConversionsAndLineBreaks) {
    for (const TranslationPair* pair = kZhCnTable; pair->key != nullptr; ++pair) {
        ASSERT_NE(pair->text, nullptr) << pair->key;
        EXPECT_NE(pair->text[0], '\0') << pair->key;
        EXPECT_EQ(conversionsOf(pair->text), conversionsOf(pair->key)) << pair->key;
        EXPECT_EQ(lineBreaksOf(pair->text), lineBreaksOf(pair->key)) << pair->key;
    }
}

TEST_F(TranslationTest, TellingRowsGiveTheirFixedTexts) {
    struct Row {
        const char* key;
        const char* text;
    };
    const Row rows[] = {
        {"Local Scene", "本地场景模式"},
        {"Solo", "监听"},
        {"SOLO", "监听"},
        {"Mute", "静音"},
        {"MUTE", "静音"},
        {"Are you sure to turn on the phantom power?", "确认要打开48V吗？"},
        {"NO", "否"},
    };
    ASSERT_TRUE(selectLanguage("zh-cn"));
    for (const Row& row : rows) {
        EXPECT_STREQ(translate(row.key), row.text) << row.key;
    }
}

} // namespace
} // namespace v32
