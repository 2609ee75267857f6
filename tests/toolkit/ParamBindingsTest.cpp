#include "ui/toolkit/framework/ParamBindings.h"

#include "app/model/ParamReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace v32 {
namespace {

constexpr int kFaderNumber = 12;

// Every identifier's stored value is the identifier plus one.
class CountingValues : public ParamReader {
public:
    std::uint16_t value(ParamId id) const override { return static_cast<std::uint16_t>(id + 1); }
};

class ParamBindingsTest : public ::testing::Test {
protected:
    ParamBindings::Handler recorder(const char* name) {
        return [this, name](ParamId id, std::uint16_t value) {
            calls.push_back(std::string(name) + ":" + std::to_string(id) + "=" +
                            std::to_string(value));
        };
    }

    ParamBindings bindings;
    CountingValues values;
    std::vector<std::string> calls;
};

TEST_F(ParamBindingsTest, ValuesGoToWhatIsBoundToTheirIdentifierInBindingOrder) {
    bindings.bind(100, recorder("one"));
    bindings.bindRange(99, 101, recorder("range"));
    bindings.bind(kLastParam + 1, recorder("outside"));

    EXPECT_TRUE(bindings.dispatch(100, 7));
    EXPECT_TRUE(bindings.dispatch(101, 8));
    EXPECT_FALSE(bindings.dispatch(102, 9)) << "nothing is bound to it";
    EXPECT_FALSE(bindings.dispatch(kLastParam + 1, 9));
    EXPECT_EQ(calls, (std::vector<std::string>{"one:100=7", "range:100=7", "range:101=8"}));
}

TEST_F(ParamBindingsTest, ChannelNumbersFollowTheChannel) {
    std::vector<int> numbers;
    bindings.bindNumbers(kFaderNumber, kFaderNumber,
                         [&numbers](int number, std::uint16_t) { numbers.push_back(number); });
    bindings.bindNumber(kNumberOn,
                        [&numbers](int number, std::uint16_t) { numbers.push_back(number); });
    bindings.setChannel({KindInput, 3});

    EXPECT_TRUE(bindings.dispatch(paramId(KindInput, 3, kFaderNumber), 1));
    EXPECT_TRUE(bindings.dispatch(paramId(KindInput, 3, kNumberOn), 1))
        << "a generic number binds the kind's own parameter";
    bindings.setChannel({KindInput, 4});
    EXPECT_FALSE(bindings.dispatch(paramId(KindInput, 3, kFaderNumber), 1));
    EXPECT_TRUE(bindings.dispatch(paramId(KindInput, 4, kFaderNumber), 1));
    bindings.setChannel({KindBus, 2});
    EXPECT_FALSE(bindings.dispatch(paramId(KindInput, 4, kFaderNumber), 1))
        << "a number a bus does not have binds nothing";
    EXPECT_EQ(numbers, (std::vector<int>{kFaderNumber, kNumberOn, kFaderNumber}));
}

TEST_F(ParamBindingsTest, PublishingReplaysExactlyWhatIsBoundWithPartsAfterwards) {
    ParamBindings part;
    part.bind(10, recorder("part"));
    bindings.bind(20, recorder("page"));
    bindings.bind(5, recorder("page"));
    bindings.watchRange(30, 31, recorder("watched"));
    bindings.attach(part);

    bindings.publish(values);
    EXPECT_EQ(calls, (std::vector<std::string>{"page:5=6", "page:20=21", "part:10=11"}))
        << "watched words are dispatched, not replayed";

    calls.clear();
    EXPECT_TRUE(bindings.dispatch(30, 4));
    EXPECT_TRUE(bindings.dispatch(10, 4)) << "an attached part takes part in dispatch";
    bindings.detach(part);
    EXPECT_FALSE(bindings.dispatch(10, 4));
    EXPECT_EQ(calls, (std::vector<std::string>{"watched:30=4", "part:10=4"}));
}

// A handler that rebinds the registry it was called from must neither run handlers that are
// gone nor crash; what it bound instead works at once.
TEST_F(ParamBindingsTest, AHandlerMayRebindItsOwnRegistry) {
    bindings.bind(40, [this](ParamId, std::uint16_t) {
        bindings.clear();
        bindings.bind(41, recorder("new"));
    });
    bindings.bind(40, recorder("dropped"));

    EXPECT_TRUE(bindings.dispatch(40, 1));
    EXPECT_FALSE(bindings.isBound(40));
    EXPECT_TRUE(bindings.dispatch(41, 2));
    EXPECT_EQ(calls, (std::vector<std::string>{"new:41=2"}));
}

} // namespace
} // namespace v32
