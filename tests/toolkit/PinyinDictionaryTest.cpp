#include "ui/toolkit/textentry/PinyinDictionary.h"

#include "ui/toolkit/textentry/PinyinInputMethod.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

constexpr std::string_view kText = "shi\t是\t900\n"
                                   "shi\t时\t700\n"
                                   "shijian\t时间\t800\n"
                                   "shi\t十\t300\n"
                                   "shijie\t世界\t850\n"
                                   "shi\t是\t10\n"
                                   "broken line\n"
                                   "shu\t书\tlots\n"
                                   "\t空\t5\n"
                                   "shuo\t说\t600\n";

TEST(PinyinDictionaryTest, OffersExactSpellingsFirstThenLongerOnesByWeight) {
    const PinyinDictionary dictionary(kText);
    EXPECT_EQ(dictionary.size(), 7u) << "malformed lines are skipped";
    const struct {
        std::string_view letters;
        int limit;
        QStringList words;
    } cases[] = {
        {"shi", 10, {"是", "时", "十", "世界", "时间"}},
        {"shi", 2, {"是", "时"}},
        {"shij", 10, {"世界", "时间"}},
        {"sh", 3, {"是", "世界", "时间"}},
        {"sh", 10, {"是", "世界", "时间", "时", "说", "十"}},
        {"shijian", 10, {"时间"}},
        {"x", 10, {}},
        {"", 10, {}},
        {"shi", 0, {}},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(dictionary.candidates(testCase.letters, testCase.limit), testCase.words)
            << testCase.letters << " limit " << testCase.limit;
    }
}

TEST(PinyinDictionaryTest, TheBuiltInDictionaryKnowsCommonCharactersAndWords) {
    const PinyinDictionary& dictionary = PinyinDictionary::builtIn();
    EXPECT_GT(dictionary.size(), 40000u);
    const struct {
        std::string_view letters;
        const char* word;
    } common[] = {{"de", "的"},         {"wo", "我"},       {"nihao", "你好"},
                  {"zhongguo", "中国"}, {"yinyue", "音乐"}, {"changjing", "场景"},
                  {"shengyin", "声音"}};
    for (const auto& entry : common) {
        EXPECT_TRUE(dictionary.candidates(entry.letters, 5).contains(QString::fromUtf8(entry.word)))
            << entry.letters;
    }
    EXPECT_EQ(dictionary.candidates("de", 1), QStringList({"的"})) << "the commonest first";
}

TEST(PinyinInputMethodTest, CollectsLettersAndLooksThemUp) {
    const PinyinDictionary dictionary(kText);
    PinyinInputMethod method(dictionary);
    EXPECT_FALSE(method.isComposing());
    for (const QChar letter : QStringLiteral("shu")) {
        EXPECT_TRUE(method.addLetter(letter));
    }
    EXPECT_EQ(method.letters(), QStringLiteral("shu"));
    EXPECT_EQ(method.candidates(), QStringList({"说"}));
    for (const QChar other : QStringLiteral("A1 -")) {
        EXPECT_FALSE(method.addLetter(other));
    }
    method.removeLetter();
    EXPECT_EQ(method.letters(), QStringLiteral("sh"));
    EXPECT_EQ(method.candidates().size(), 6);
    method.reset();
    EXPECT_FALSE(method.isComposing());
    EXPECT_TRUE(method.candidates().isEmpty());
    method.removeLetter();
    EXPECT_TRUE(method.letters().isEmpty());
}

} // namespace
} // namespace v32
