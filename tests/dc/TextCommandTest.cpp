#include "app/core/ManualClock.h"
#include "app/model/DefaultTable.h"
#include "app/protocol/DeviceReplies.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/TextPayloadReader.h"
#include "tests/dc/TestClient.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <gtest/gtest.h>
#include <string>

namespace v32::dc {
namespace {

using test::ReceivedFrame;
using test::TestClient;

class TextCommandTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    DataCentre dataCentre{clock, DataCentreConfig{}};
    TestClient surface{dataCentre};
    TestClient other{dataCentre};

    void SetUp() override {
        surface.join();
        other.join();
    }

    std::string query(std::string_view text) {
        surface.clear();
        surface.ui().sendTextQuery(text);
        return surface.textOf(MSG_TEXT_QUERY);
    }

    std::string command(std::string_view text) {
        surface.clear();
        other.clear();
        surface.ui().sendTextCommand(text);
        return surface.textOf(MSG_TEXT_COMMAND);
    }

    // The RESULT the control surface reads from a command reply.
    std::string resultOf(std::string_view text) {
        const std::string reply = command(text);
        return std::string(TextPayloadReader::valueOf(reply, "RESULT").value_or("<none>"));
    }

    std::uint16_t lockState() const {
        return dataCentre.parameters().value(FixedParam::kLockState);
    }
};

TEST_F(TextCommandTest, QueriesAreAnsweredKeyByKeyInTheOrderAsked) {
    struct Case {
        std::string_view asked;
        std::string_view answer;
    };
    const Case cases[] = {
        {"DEVNAME=\nFW_VER=\nFW_BUILD=", "DEVNAME=unnamed\nFW_VER=1.0.0\nFW_BUILD=stand-in\n"},
        {"LAYER=", "LAYER=32CH\n"},
        {"CMD=SCENEKEYLOCK\nSCENEKEYLOCK=\n", "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=OFF\n"},
        {"ETH_DHCP=\nETH_IP=\nETH_NETMASK=\nETH_GATEWAY=\nETH_DNS=\n",
         "ETH_DHCP=on\nETH_IP=192.0.2.32\nETH_NETMASK=255.255.255.0\nETH_GATEWAY=192.0.2.1\n"
         "ETH_DNS=192.0.2.53\n"},
        {"AP_SSID=\nAP_KEY=\nSTA_SSID=\nSTA_KEY=\nAPIP=\nDOMAIN=\n",
         "AP_SSID=VELMAR32\nAP_KEY=12345678\nSTA_SSID=\nSTA_KEY=\nAPIP=198.51.100.1\n"
         "DOMAIN=velmar32.local\n"},
        {"WIFI_MODE=\nWIFI_DHCP=\nWIFI_IP=\nWIFI_NETMASK=\nWIFI_GATEWAY=\nWIFI_DNS=\nWIFI_STATE=\n",
         "WIFI_MODE=ap\nWIFI_DHCP=on\nWIFI_IP=0.0.0.0\nWIFI_NETMASK=0.0.0.0\nWIFI_GATEWAY=0.0.0.0\n"
         "WIFI_DNS=0.0.0.0\nWIFI_STATE=down\n"},
        {"UNKNOWN=\nLAYER=", "LAYER=32CH\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(query(c.asked), c.answer);
    }
    query("UNKNOWN=");
    EXPECT_TRUE(surface.frames().empty());
}

TEST_F(TextCommandTest, SettingsAreStoredAndRepeatedInTheReply) {
    // A reply without CMD that does not start with DEVNAME tells the control surface that
    // network settings were saved.
    EXPECT_EQ(command("ETH_DHCP=off\nETH_IP=10.1.2.3\nETH_NETMASK=255.0.0.0\nETH_GATEWAY=10.0.0.1\n"
                      "ETH_DNS=10.0.0.2\n"),
              "ETH_DHCP=off\nETH_IP=10.1.2.3\nETH_NETMASK=255.0.0.0\nETH_GATEWAY=10.0.0.1\n"
              "ETH_DNS=10.0.0.2\n");
    EXPECT_EQ(query("ETH_IP=\nETH_DHCP="), "ETH_IP=10.1.2.3\nETH_DHCP=off\n");

    EXPECT_EQ(command("WIFI_MODE=sta\nSTA_SSID=FOH-Net\nSTA_KEY=secret12\n"),
              "WIFI_MODE=sta\nSTA_SSID=FOH-Net\nSTA_KEY=secret12\n");
    EXPECT_EQ(query("WIFI_STATE="), "WIFI_STATE=up\n");
    command("STA_SSID=Nowhere");
    EXPECT_EQ(query("WIFI_STATE="), "WIFI_STATE=down\n");

    // The link state is the mixer's to report, not to be set.
    EXPECT_TRUE(command("WIFI_STATE=up").empty());
}

TEST_F(TextCommandTest, RenamingTheDeviceAnswersWithTheNameAndChangesTheIdentity) {
    EXPECT_EQ(command("DEVNAME=VELMAR32"), "DEVNAME=VELMAR32\n");

    surface.clear();
    surface.ui().sendIdentify();
    const std::optional<IdentifyReply> identity = parseIdentifyReply(surface.frames().at(0).bytes);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->deviceName, "VELMAR32");

    const std::string longName(40, 'n');
    EXPECT_EQ(command("DEVNAME=" + longName), "DEVNAME=" + longName.substr(0, 32) + "\n");
}

TEST_F(TextCommandTest, SceneKeyLockIsSwitchedAndEveryClientHearsOfIt) {
    EXPECT_EQ(command("CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON"),
              "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON\nRESULT=OK\n");
    EXPECT_EQ(other.textOf(MSG_TEXT_COMMAND), "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON\n");
    EXPECT_EQ(query("SCENEKEYLOCK="), "SCENEKEYLOCK=ON\n");

    EXPECT_EQ(command("CMD=SCENEKEYLOCK\nSCENEKEYLOCK=maybe"),
              "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON\nRESULT=FAIL\n");
    EXPECT_TRUE(other.frames().empty());
    EXPECT_EQ(command("CMD=SCENEKEYLOCK\nSCENEKEYLOCK=OFF"),
              "CMD=SCENEKEYLOCK\nSCENEKEYLOCK=OFF\nRESULT=OK\n");
}

TEST_F(TextCommandTest, LockAndPasswordFollowTheMixersRules) {
    struct Step {
        std::string_view command;
        std::string_view result;
        std::uint16_t lockAfter;
    };
    const Step steps[] = {
        {"CMD=CHGLOCK\nPWD=guess\nLOCK=ON", "FAIL", 0},
        {"CMD=CHGLOCK\nPWD=\nLOCK=ON", "OK", 1},
        {"CMD=CHGLOCK\nPWD=\nLOCK=OFF", "OK", 0},
        {"CMD=CHGPWD\nPWD=wrong\nNEWPWD=abc12345", "FAIL", 0},
        {"CMD=CHGPWD\nPWD=\nNEWPWD=abc123456", "FAIL", 0},
        {"CMD=CHGPWD\nPWD=\nNEWPWD=abc 1234", "FAIL", 0},
        {"CMD=CHGPWD\nPWD=\nNEWPWD=abc12345", "OK", 0},
        {"CMD=CHGLOCK\nPWD=\nLOCK=ON", "FAIL", 0},
        {"CMD=CHGLOCK\nPWD=abc12345\nLOCK=ON", "OK", 1},
        {"CMD=CHGLOCK\nPWD=abc12345\nLOCK=SOON", "FAIL", 1},
        {"CMD=CHGLOCK\nPWD=\nLOCK=OFF", "FAIL", 1},
        {"CMD=CHGLOCK\nPWD=abc12345\nLOCK=OFF", "OK", 0},
        {"CMD=FORCELOCK\nLOCK=ON", "OK", 1},
        {"CMD=FORCELOCK\nLOCK=OFF", "FAIL", 1},
        {"CMD=CHGLOCK\nPWD=abc12345\nLOCK=OFF", "OK", 0},
        {"CMD=NOSUCH", "FAIL", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        EXPECT_EQ(resultOf(step.command), step.result);
        EXPECT_EQ(lockState(), step.lockAfter);
    }
}

TEST_F(TextCommandTest, LockChangesAreNotifiedToEveryClient) {
    command("CMD=CHGLOCK\nPWD=\nLOCK=ON");

    const std::vector<ParamPair> locked{{FixedParam::kLockState, 1}};
    EXPECT_EQ(surface.pairsOf(MSG_PARAM_NOTIFY), locked);
    EXPECT_EQ(other.pairsOf(MSG_PARAM_NOTIFY), locked);

    // Locking an already locked mixer is no change.
    command("CMD=FORCELOCK\nLOCK=ON");
    EXPECT_TRUE(other.frames().empty());
}

class FactoryResetTest : public TextCommandTest {
protected:
    DefaultTable defaults;

    void changeEverything() {
        surface.ui().sendSinglePair(75, 123);
        surface.ui().sendChannelName(3, "Guitar");
        command("DEVNAME=Desk");
        command("ETH_IP=10.9.9.9");
        command("CMD=CHGPWD\nPWD=\nNEWPWD=secret");
        command("CMD=CHGLOCK\nPWD=secret\nLOCK=ON");
        command("CMD=SCENEKEYLOCK\nSCENEKEYLOCK=ON");
        surface.clear();
        other.clear();
    }

    void expectFactorySettings() {
        for (TestClient* client : {&surface, &other}) {
            EXPECT_EQ(client->textOf(MSG_TEXT_COMMAND), "CMD=RESET\nRESULT=OK\n");
            EXPECT_EQ(client->pairsOf(MSG_PARAM_NOTIFY),
                      (std::vector<ParamPair>{{FixedParam::kLastCalledScene, 1}}));
        }
        EXPECT_EQ(dataCentre.parameters().value(75), defaults.of(75));
        EXPECT_EQ(lockState(), 0);
        EXPECT_EQ(dataCentre.channelName(3), "");
        EXPECT_EQ(query("DEVNAME=\nETH_IP=\nSCENEKEYLOCK="),
                  "DEVNAME=unnamed\nETH_IP=192.0.2.32\nSCENEKEYLOCK=OFF\n");
        EXPECT_EQ(resultOf("CMD=CHGLOCK\nPWD=\nLOCK=OFF"), "OK");
    }
};

TEST_F(FactoryResetTest, ResetWordRestoresTheFactorySettingsAndTellsEveryClient) {
    changeEverything();
    surface.ui().sendSinglePair(FixedParam::kFactoryReset, FixedParam::kFactoryResetCode);
    expectFactorySettings();
}

TEST_F(FactoryResetTest, ResetCommandDoesTheSame) {
    changeEverything();
    command("CMD=RESET");
    expectFactorySettings();
}

TEST_F(FactoryResetTest, OtherValuesOfTheResetWordChangeNothing) {
    changeEverything();
    surface.ui().sendSinglePair(FixedParam::kFactoryReset, 0x55AB);

    EXPECT_TRUE(surface.framesWith(MSG_TEXT_COMMAND).empty());
    EXPECT_EQ(dataCentre.parameters().value(75), 123);
    EXPECT_EQ(lockState(), 1);
}

TEST_F(TextCommandTest, WifiScanListsTheNetworksAsNulEndedStrings) {
    surface.clear();
    surface.send(MSG_STRING_LIST, {});

    ASSERT_EQ(surface.frames().size(), 1U);
    const std::span<const std::uint8_t> payload = surface.frames()[0].payload();
    ASSERT_FALSE(payload.empty());
    EXPECT_EQ(payload[0], 4);
    const std::string names(payload.begin() + 1, payload.end());
    EXPECT_EQ(names, std::string("Studio-5G\0FOH-Net\0Stage-WiFi\0Guest\0", 35));
}

} // namespace
} // namespace v32::dc
