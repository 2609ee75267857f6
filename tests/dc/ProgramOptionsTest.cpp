#include "tools/velmar32-dc/ProgramOptions.h"

#include "tools/velmar32-dc/Ipv4Endpoint.h"

#include <functional>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace v32::dc {
namespace {

ProgramOptions::Parsed parse(std::vector<std::string_view> arguments) {
    return ProgramOptions::parse(arguments);
}

TEST(ProgramOptionsTest, DefaultsServeTheStandardPortsOnLoopback) {
    const ProgramOptions::Parsed parsed = parse({});
    ASSERT_EQ(parsed.error, "");
    const ProgramOptions& options = parsed.options;
    EXPECT_TRUE(options.udpEnabled);
    EXPECT_EQ(options.udpPort, 8086);
    EXPECT_TRUE(options.tcpEnabled);
    EXPECT_EQ(options.tcpPort, 8087);
    EXPECT_EQ(options.effectiveBindAddress(), Ipv4Endpoint::kLoopback);
    EXPECT_TRUE(options.serial.empty());
    EXPECT_EQ(options.mixer.productId, 0xE001);
    EXPECT_EQ(options.mixer.modelCode, 0x2F);
    EXPECT_EQ(options.mixer.deviceName, "unnamed");
    EXPECT_FALSE(options.log);
    EXPECT_TRUE(options.console);
}

TEST(ProgramOptionsTest, OptionsSetWhatTheySay) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::function<bool(const ProgramOptions&)> holds;
    };
    const Case cases[] = {
        {{"--udp-port", "0", "--tcp-port=9000"},
         [](const ProgramOptions& o) { return o.udpPort == 0 && o.tcpPort == 9000; }},
        {{"--no-udp"}, [](const ProgramOptions& o) { return !o.udpEnabled && o.tcpEnabled; }},
        {{"--allow-remote"},
         [](const ProgramOptions& o) { return o.effectiveBindAddress() == Ipv4Endpoint::kAny; }},
        {{"--bind", "127.0.0.2"},
         [](const ProgramOptions& o) { return o.effectiveBindAddress() == 0x7F000002; }},
        {{"--serial", "pty", "--baud", "115200"},
         [](const ProgramOptions& o) { return o.serial == "pty" && o.baudRate == 115200; }},
        {{"--product-id", "0xE002", "--model-code", "48"},
         [](const ProgramOptions& o) {
             return o.mixer.productId == 0xE002 && o.mixer.modelCode == 48;
         }},
        {{"--name", "Stage left", "--firmware=2.1.0", "--seed", "42"},
         [](const ProgramOptions& o) {
             return o.mixer.deviceName == "Stage left" && o.mixer.firmwareVersion == "2.1.0" &&
                    o.mixer.seed == 42;
         }},
        {{"--fault-in", "drop=5", "--fault-out", "delay=10,corrupt=1", "--fault-delay", "50"},
         [](const ProgramOptions& o) {
             return o.faultsIn.dropPercent == 5 && o.faultsOut.delayPercent == 10 &&
                    o.faultsOut.corruptPercent == 1 && o.faultDelayMs == 50;
         }},
        {{"--log", "--no-console"}, [](const ProgramOptions& o) { return o.log && !o.console; }},
        {{"--help"}, [](const ProgramOptions& o) { return o.help; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const ProgramOptions::Parsed parsed = parse(c.arguments);
        EXPECT_EQ(parsed.error, "");
        EXPECT_TRUE(c.holds(parsed.options));
    }
}

TEST(ProgramOptionsTest, MistakesAreReportedNotGuessed) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string_view error;
    };
    const Case cases[] = {
        {{"--udp"}, "unknown option '--udp'"},
        {{"--udp-port"}, "--udp-port needs a value"},
        {{"--udp-port", "65536"}, "bad value '65536' for --udp-port"},
        {{"--tcp-port", "80a"}, "bad value '80a' for --tcp-port"},
        {{"--model-code", "0x100"}, "bad value '0x100' for --model-code"},
        {{"--bind", "localhost"}, "bad value 'localhost' for --bind"},
        {{"--bind", "192.0.2.7"}, "binding outside 127.0.0.0/8 needs --allow-remote"},
        {{"--fault-in", "drop=120"}, "bad value 'drop=120' for --fault-in"},
        {{"--no-udp", "--no-tcp"}, "no transport left to serve"},
        {{"--serial="}, "bad value '' for --serial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        EXPECT_EQ(parse(c.arguments).error, c.error);
    }
    EXPECT_EQ(parse({"--bind", "192.0.2.7", "--allow-remote"}).error, "");
}

TEST(Ipv4EndpointTest, LoopbackIsTheWhole127Network) {
    struct Case {
        std::string_view address;
        bool loopback;
    };
    for (const Case& c :
         {Case{"127.0.0.1", true}, Case{"127.255.255.254", true}, Case{"126.255.255.255", false},
          Case{"128.0.0.1", false}, Case{"0.0.0.0", false}, Case{"192.168.1.23", false}}) {
        SCOPED_TRACE(c.address);
        const std::optional<std::uint32_t> address = Ipv4Endpoint::parseAddress(c.address);
        ASSERT_TRUE(address);
        EXPECT_EQ((Ipv4Endpoint{*address, 0}.isLoopback()), c.loopback);
    }
    EXPECT_EQ((Ipv4Endpoint{0x7F000001, 8086}.toString()), "127.0.0.1:8086");
}

} // namespace
} // namespace v32::dc
