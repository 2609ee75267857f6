#include "app/core/Application.h"

#include "app/core/Translation.h"
#include "app/protocol/FixedFrames.h"
#include "tests/core/LogCapture.h"
#include "tests/core/LoopbackResponder.h"
#include "tests/core/LoopbackSocket.h"
#include "tests/core/TemporaryDirectory.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace v32 {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::LogCapture;
using test::LoopbackResponder;
using test::LoopbackSocket;
using test::TemporaryDirectory;
using ::testing::_;
using ::testing::Return;

constexpr const char* kStartTail = "parsing cmdline...\nparse cmdline finished!\n";

const std::vector<Bytes> kAnswering{Bytes(kKeepAliveReply.begin(), kKeepAliveReply.end())};
const std::vector<Bytes> kSilent{};

class MockStartupHost : public StartupHost {
public:
    MOCK_METHOD(bool, factoryKeyHeld, (), (override));
    MOCK_METHOD(bool, chooseDebugSettings, (DebugSwitches&, SerialSettings&), (override));
    MOCK_METHOD(void, showSplash, (), (override));
};

class ApplicationTest : public ::testing::Test {
protected:
    StartupEnvironment environment(std::uint16_t targetPort, std::uint16_t bindPort = 0) const {
        StartupEnvironment env;
        env.configPath = m_directory.file("nativecfg.ini");
        env.presetPath = m_directory.file("preset.bin");
        env.headerDirectory = m_directory.path();
        env.probePorts = {bindPort, targetPort};
        env.log = m_log.stream();
        return env;
    }

    void writeConfig(const std::string& text) const { m_directory.write("nativecfg.ini", text); }

    bool presetIsValid() const {
        return PresetFile(m_directory.file("preset.bin")).ensureValid() ==
               PresetFile::Outcome::AlreadyValid;
    }

    TemporaryDirectory m_directory;
    LogCapture m_log;
};

TEST_F(ApplicationTest, PlainStartRunsEveryStepAndEndsWithoutError) {
    const LoopbackResponder silent(kSilent);
    Application application(CommandLine(), environment(silent.port()));

    EXPECT_EQ(application.run(), 0);

    EXPECT_EQ(m_log.text(), std::string("local device: false\r\n") + kStartTail);
    EXPECT_TRUE(presetIsValid());
    EXPECT_EQ(silent.datagramsReceived(), 3) << "three probes for the local device";
    const ApplicationContext& context = application.context();
    EXPECT_EQ(context.constants.productId, 0xE001);
    EXPECT_EQ(context.constants.modelCode, 0x2F);
    EXPECT_FALSE(context.factoryMode);
    EXPECT_FALSE(context.localDevice);
    EXPECT_TRUE(context.english);
    EXPECT_TRUE(context.switches.heartbeat);
    EXPECT_EQ(context.logLevel, 2);
}

struct ArgumentsCase {
    const char* name;
    std::vector<const char*> arguments;
    int exitCode;
    std::string log;
    int probes;
};

TEST_F(ApplicationTest, CommandLineDecidesHowFarStartUpGoes) {
    const std::array<ArgumentsCase, 4> cases{{
        {"-mkdef ends at once", {"-mkdef", "-xyz"}, 0, "", 0},
        {"-mkdef before -wdc never waits", {"-mkdef", "-wdc"}, 0, "", 0},
        {"unknown option",
         {"-xyz"},
         1,
         "local device: true\r\nparsing cmdline...\nunknow parameter '-xyz'!\n",
         1},
        {"options",
         {"-ps", "1", "-gbar", "1"},
         0,
         std::string("local device: true\r\n") + kStartTail,
         1},
    }};
    for (const ArgumentsCase& c : cases) {
        const TemporaryDirectory directory;
        const LogCapture log;
        const LoopbackResponder responder(kAnswering);
        StartupEnvironment env = environment(responder.port());
        env.presetPath = directory.file("preset.bin");
        env.log = log.stream();
        Application application(CommandLine(c.arguments), env);

        EXPECT_EQ(application.run(), c.exitCode) << c.name;

        EXPECT_EQ(log.text(), c.log) << c.name;
        EXPECT_EQ(responder.datagramsReceived(), c.probes) << c.name;
        EXPECT_EQ(PresetFile(env.presetPath).ensureValid(), PresetFile::Outcome::AlreadyValid)
            << c.name;
    }
}

TEST_F(ApplicationTest, WaitForDataCentreNeedsThreeReplies) {
    const LoopbackResponder responder(kAnswering);
    const std::vector<const char*> arguments{"-wdc"};
    Application application{CommandLine(arguments), environment(responder.port())};

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(application.run(), 0);

    EXPECT_GE(std::chrono::steady_clock::now() - start, 600ms) << "a pause after each reply";
    EXPECT_EQ(m_log.text(),
              std::string("waiting datacenter...\nok!\nlocal device: true\r\n") + kStartTail);
    EXPECT_EQ(responder.datagramsReceived(), 3 + 1);
    EXPECT_TRUE(application.context().localDevice);
}

TEST_F(ApplicationTest, WaitForDataCentreGivesUpWhenItsPortIsTaken) {
    const LoopbackResponder responder(kAnswering);
    const LoopbackSocket occupied;
    const std::vector<const char*> arguments{"-wdc"};
    Application application{CommandLine(arguments), environment(responder.port(), occupied.port())};

    EXPECT_EQ(application.run(), 0);

    EXPECT_EQ(m_log.text(),
              std::string("waiting datacenter...\nerror!\nlocal device: false\r\n") + kStartTail);
    EXPECT_EQ(responder.datagramsReceived(), 0);
}

struct LanguageCase {
    std::optional<std::string> config;
    const char* language;
    bool english;
    const char* selected;
};

TEST_F(ApplicationTest, ConfiguredLanguageIsSelected) {
    const std::array<LanguageCase, 4> cases{{
        {std::nullopt, "en", true, "en"},
        {"[app]\nLANG=\n", "en", true, "en"},
        {"[app]\nLANG=zh-cn\n", "zh-cn", false, "zh-cn"},
        {"[app]\nLANG=xx\n", "xx", false, "en"},
    }};
    const LoopbackResponder responder(kAnswering);
    for (const LanguageCase& c : cases) {
        std::filesystem::remove(m_directory.file("nativecfg.ini"));
        if (c.config) {
            writeConfig(*c.config);
        }
        Application application(CommandLine(), environment(responder.port()));
        ASSERT_EQ(application.run(), 0);
        EXPECT_EQ(application.context().language.view(), c.language);
        EXPECT_EQ(application.context().english, c.english) << c.language;
        EXPECT_STREQ(currentLanguageName(), c.selected) << c.language;
    }
}

struct DebugCase {
    std::optional<std::string> value;
    bool chooserShown;
};

TEST_F(ApplicationTest, DebugChooserOnlyForExactlyYes) {
    const std::array<DebugCase, 6> cases{{
        {"yes", true},
        {" \"yes\" ", true},
        {"YES", false},
        {"yes!", false},
        {"", false},
        {std::nullopt, false},
    }};
    const LoopbackResponder responder(kAnswering);
    for (const DebugCase& c : cases) {
        writeConfig(c.value ? "[app]\nDEBUG=" + *c.value + "\n" : "[app]\n");
        MockStartupHost host;
        EXPECT_CALL(host, factoryKeyHeld()).WillOnce(Return(false));
        ON_CALL(host, chooseDebugSettings(_, _)).WillByDefault(Return(true));
        EXPECT_CALL(host, chooseDebugSettings(_, _)).Times(c.chooserShown ? 1 : 0);
        EXPECT_CALL(host, showSplash()).Times(1);
        Application application(CommandLine(), environment(responder.port()), &host);
        EXPECT_EQ(application.run(), 0) << c.value.value_or("(none)");
    }
}

TEST_F(ApplicationTest, LeavingTheChooserEndsTheProgramBeforeAnythingElse) {
    const LoopbackResponder responder(kAnswering);
    writeConfig("[app]\nDEBUG=yes\n");
    MockStartupHost host;
    EXPECT_CALL(host, factoryKeyHeld()).WillOnce(Return(false));
    EXPECT_CALL(host, chooseDebugSettings(_, _)).WillOnce(Return(false));
    EXPECT_CALL(host, showSplash()).Times(0);
    const std::vector<const char*> arguments{"-xyz"};
    Application application(CommandLine(arguments), environment(responder.port()), &host);

    EXPECT_EQ(application.run(), 0);

    EXPECT_EQ(m_log.text(), "");
    EXPECT_EQ(responder.datagramsReceived(), 0);
    EXPECT_TRUE(presetIsValid()) << "the preset check comes first";
}

TEST_F(ApplicationTest, ChooserSettingsHoldAndOptionsComeAfterThem) {
    const LoopbackResponder responder(kAnswering);
    writeConfig("[app]\nDEBUG=yes\n");
    MockStartupHost host;
    EXPECT_CALL(host, factoryKeyHeld()).WillOnce(Return(true));
    EXPECT_CALL(host, chooseDebugSettings(_, _))
        .WillOnce([](DebugSwitches& switches, SerialSettings& serial) {
            switches.heartbeat = false;
            switches.print_sent = true;
            serial.baudRate = 19200;
            return true;
        });
    EXPECT_CALL(host, showSplash());
    const std::vector<const char*> arguments{"-ps", "0"};
    Application application(CommandLine(arguments), environment(responder.port()), &host);

    ASSERT_EQ(application.run(), 0);

    const ApplicationContext& context = application.context();
    EXPECT_TRUE(context.factoryMode);
    EXPECT_FALSE(context.switches.heartbeat);
    EXPECT_FALSE(context.switches.print_sent);
    EXPECT_EQ(context.serial.baudRate, 19200u);
    EXPECT_STREQ(context.serial.portName.data(), "COM8");
}

// An identifier header with the given number of names, the last one named lastName.
std::string identifierHeader(int count, const std::string& lastName) {
    std::string text = "typedef enum\n{\n";
    for (int n = 0; n + 1 < count; ++n) {
        text += "    ID_" + std::to_string(n) + ",\n";
    }
    return text + "    " + lastName + "\n} param_id_t;\n";
}

struct HeaderCase {
    const char* name;
    const char* workingDirectory;
    std::optional<std::string> place;
    std::string text;
    const char* log;
    const char* lastName;
};

TEST_F(ApplicationTest, IdentifierHeaderIsParsedWhenWritesArePrinted) {
    const std::string valid = identifierHeader(4990, "ID_M0_END");
    const std::array<HeaderCase, 5> cases{{
        {"beside the program", "work", "work/id_32ch.h", valid, "parse id enum success!!!!\n",
         "ID_M0_END"},
        {"in the sources", "work/build/program", "work/app/protocol/id_32ch.h", valid,
         "parse id enum success!!!!\n", "ID_M0_END"},
        {"too few names", "work", "work/id_32ch.h", identifierHeader(4989, "ID_M0_END"),
         "parse id enum fail!!!!\n", "ID_UNDEF"},
        {"wrong last name", "work", "work/id_32ch.h", identifierHeader(4990, "ID_LAST"),
         "parse id enum fail!!!!\n", "ID_UNDEF"},
        {"nowhere", "work/build/program", std::nullopt, "", "", "ID_UNDEF"},
    }};
    const LoopbackResponder responder(kAnswering);
    writeConfig("[app]\nDEBUG=yes\n");
    for (const HeaderCase& c : cases) {
        const TemporaryDirectory tree;
        std::filesystem::create_directories(tree.file("work/build/program"));
        if (c.place) {
            std::filesystem::create_directories(tree.file(*c.place).parent_path());
            tree.write(*c.place, c.text);
        }
        const LogCapture log;
        StartupEnvironment env = environment(responder.port());
        env.headerDirectory = tree.file(c.workingDirectory);
        env.log = log.stream();
        MockStartupHost host;
        EXPECT_CALL(host, factoryKeyHeld()).WillOnce(Return(false));
        EXPECT_CALL(host, chooseDebugSettings(_, _))
            .WillOnce([](DebugSwitches& switches, SerialSettings&) {
                switches.print_writes = true;
                return true;
            });
        EXPECT_CALL(host, showSplash());
        Application application(CommandLine(), env, &host);

        ASSERT_EQ(application.run(), 0) << c.name;

        EXPECT_EQ(log.text(), std::string(c.log) + "local device: true\r\n" + kStartTail) << c.name;
        EXPECT_STREQ(application.context().identifierNames.nameOf(4989), c.lastName) << c.name;
    }
}

TEST_F(ApplicationTest, IdentifierHeaderIsLeftAloneWithoutPrintedWrites) {
    const LoopbackResponder responder(kAnswering);
    m_directory.write("id_32ch.h", identifierHeader(4990, "ID_M0_END"));
    Application application(CommandLine(), environment(responder.port()));

    ASSERT_EQ(application.run(), 0);

    EXPECT_EQ(m_log.text(), std::string("local device: true\r\n") + kStartTail);
    EXPECT_EQ(application.context().identifierNames.nameCount(), 0);
}

} // namespace
} // namespace v32
