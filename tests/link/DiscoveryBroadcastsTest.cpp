#include "app/link/DiscoveryBroadcasts.h"

#include "app/core/NativeConfig.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace v32 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t address(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

NetworkAdapter adapter(const char* name, std::uint32_t ip, bool up = true, bool loopback = false) {
    return NetworkAdapter{.name = name, .address = ip, .up = up, .loopback = loopback};
}

// A computer with a wired and a wireless network, containers, virtual machines and a VPN.
const std::vector<NetworkAdapter> kComputer{
    adapter("lo", address(127, 0, 0, 1), true, true),
    adapter("eth0", address(192, 168, 1, 23)),
    adapter("eth0", address(192, 168, 7, 7)),
    adapter("wlp2s0", address(10, 1, 2, 3)),
    adapter("enp3s0", address(192, 168, 9, 4), false),
    adapter("eth1", 0),
    adapter("docker0", address(172, 17, 0, 1)),
    adapter("br-5f2a0c1d", address(172, 18, 0, 1)),
    adapter("veth1a2b3c", address(169, 254, 3, 3)),
    adapter("virbr0", address(192, 168, 122, 1)),
    adapter("vmnet8", address(192, 168, 80, 1)),
    adapter("vboxnet0", address(192, 168, 56, 1)),
    adapter("tun0", address(10, 8, 0, 6)),
    adapter("tap0", address(10, 9, 0, 2)),
    adapter("wg0", address(10, 10, 0, 2)),
};

TEST(DiscoveryBroadcastsTest, ProbesTheAddressWithItsLastNumberReplacedBy255) {
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> cases{
        {address(192, 168, 1, 23), address(192, 168, 1, 255)},
        {address(10, 0, 0, 1), address(10, 0, 0, 255)},
        {address(127, 0, 0, 1), address(127, 0, 0, 255)},
        {address(172, 16, 5, 255), address(172, 16, 5, 255)},
        {address(10, 20, 30, 0), address(10, 20, 30, 255)},
    };
    for (const auto& [ip, broadcast] : cases) {
        EXPECT_EQ(discoveryBroadcastOf(ip), broadcast) << std::hex << ip;
    }
}

TEST(DiscoveryBroadcastsTest, ByDefaultProbesTheFirstAddressOfEachRealAdapterThatIsUp) {
    EXPECT_THAT(discoveryBroadcasts(kComputer, {}),
                ElementsAre(address(192, 168, 1, 255), address(10, 1, 2, 255)));
}

TEST(DiscoveryBroadcastsTest, NamedAdaptersAreProbedEvenLoopbackAndVirtualOnes) {
    const std::vector<std::string> named{"docker0", "lo", "enp3s0", "eth1", "eth9"};
    EXPECT_THAT(discoveryBroadcasts(kComputer, named),
                ElementsAre(address(127, 0, 0, 255), address(172, 17, 0, 255)));
    const std::vector<std::string> loopbackOnly{"lo"};
    EXPECT_THAT(discoveryBroadcasts(kComputer, loopbackOnly), ElementsAre(address(127, 0, 0, 255)));
    EXPECT_THAT(discoveryBroadcasts({}, {}), IsEmpty());
}

TEST(DiscoveryBroadcastsTest, AdapterNamesAreReadFromACommaSeparatedList) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases{
        {"lo", {"lo"}},
        {"lo,eth0", {"lo", "eth0"}},
        {" lo , \teth0 ", {"lo", "eth0"}},
        {",lo,,eth0,", {"lo", "eth0"}},
        {"", {}},
        {" , ", {}},
    };
    for (const auto& [list, names] : cases) {
        EXPECT_EQ(parseAdapterNames(list), names) << '"' << list << '"';
    }
}

// Adapter names are longer than the other keys' values; a list of three must survive whole.
TEST(DiscoveryBroadcastsTest, TheConfigurationKeyNamesTheAdapters) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("discovery-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(file) << "[app]\nLANG=en\ndiscovery = lo, enp3s0 ,wlp2s0\n";
    const std::string listed = NativeConfig(file).readDiscoveryAdapters();
    std::filesystem::remove(file);
    EXPECT_THAT(parseAdapterNames(listed), ElementsAre("lo", "enp3s0", "wlp2s0"));
    EXPECT_EQ(NativeConfig(file).readDiscoveryAdapters(), "");
}

} // namespace
} // namespace v32
