#include "app/core/CommandLine.h"

#include "tests/core/LogCapture.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace v32 {
namespace {

struct OptionCase {
    const char* name;
    std::vector<const char*> arguments;
    std::optional<int> exitCode;
    bool printSent;
    bool printReceived;
    int globalBar;
    int logLevel;
    const char* log;
};

TEST(CommandLineTest, OptionsPass) {
    const std::array<OptionCase, 22> cases{{
        {"nothing", {}, std::nullopt, false, false, 0, 2, ""},
        {"-ps 0", {"-ps", "0"}, std::nullopt, false, false, 0, 2, ""},
        {"-ps abc", {"-ps", "abc"}, std::nullopt, false, false, 0, 2, ""},
        {"-ps 1", {"-ps", "1"}, std::nullopt, true, false, 0, 2, ""},
        {"-ps 12x reads 12", {"-ps", "12x"}, std::nullopt, true, false, 0, 2, ""},
        {"-pr 5", {"-pr", "5"}, std::nullopt, false, true, 0, 2, ""},
        {"-pr -1", {"-pr", "-1"}, std::nullopt, false, true, 0, 2, ""},
        {"-gbar 1", {"-gbar", "1"}, std::nullopt, false, false, 1, 2, ""},
        {"-log6951 3", {"-log6951", "3"}, std::nullopt, false, false, 0, 3, ""},
        {"-log6951 -4", {"-log6951", "-4"}, std::nullopt, false, false, 0, -4, ""},
        {"-log6951 out of range",
         {"-log6951", "99999999999"},
         std::nullopt,
         false,
         false,
         0,
         0,
         ""},
        {"value missing at the end", {"-pr"}, std::nullopt, false, false, 0, 2, ""},
        {"-log6951 missing value", {"-log6951"}, std::nullopt, false, false, 0, 0, ""},
        {"a later -ps without value", {"-ps", "1", "-ps"}, std::nullopt, false, false, 0, 2, ""},
        {"the value is taken whatever it is",
         {"-ps", "-xyz"},
         std::nullopt,
         false,
         false,
         0,
         2,
         ""},
        {"-wdc and plain arguments",
         {"-wdc", "scene.scn", "-gbar", "2"},
         std::nullopt,
         false,
         false,
         2,
         2,
         ""},
        {"all of them",
         {"-ps", "1", "-pr", "1", "-gbar", "1", "-log6951", "5"},
         std::nullopt,
         true,
         true,
         1,
         5,
         ""},
        {"unknown option", {"-xyz"}, 1, false, false, 0, 2, "unknow parameter '-xyz'!\n"},
        {"unknown stops the pass",
         {"-ps", "1", "-mkdef", "-pr", "1"},
         1,
         true,
         false,
         0,
         2,
         "unknow parameter '-mkdef'!\n"},
        {"names are exact", {"-PS", "1"}, 1, false, false, 0, 2, "unknow parameter '-PS'!\n"},
        {"a lone dash", {"-"}, 1, false, false, 0, 2, "unknow parameter '-'!\n"},
        {"a value is never an option",
         {"-gbar", "-xyz", "-q"},
         1,
         false,
         false,
         0,
         2,
         "unknow parameter '-q'!\n"},
    }};
    for (const OptionCase& c : cases) {
        ApplicationContext context;
        const test::LogCapture log;
        const std::optional<int> exitCode =
            CommandLine(c.arguments).applyOptions(context, log.stream());
        EXPECT_EQ(exitCode, c.exitCode) << c.name;
        EXPECT_EQ(context.switches.print_sent, c.printSent) << c.name;
        EXPECT_EQ(context.switches.print_received, c.printReceived) << c.name;
        EXPECT_EQ(context.globalBar, c.globalBar) << c.name;
        EXPECT_EQ(context.logLevel, c.logLevel) << c.name;
        EXPECT_EQ(log.text(), c.log) << c.name;
    }
}

} // namespace
} // namespace v32
