#include "tools/velmar32-dc/NetworkSettings.h"

#include <algorithm>

namespace v32::dc {

namespace {

struct NetworkKey {
    std::string_view key;
    std::string_view factoryValue;
};

constexpr std::string_view kWifiStateKey = "WIFI_STATE";

// Addresses are of documentation ranges so that a copied setting can never point anywhere.
constexpr std::array<NetworkKey, NetworkSettings::kStoredKeyCount> kNetworkKeys{{
    {"ETH_DHCP", "on"},
    {"ETH_IP", "192.0.2.32"},
    {"ETH_NETMASK", "255.255.255.0"},
    {"ETH_GATEWAY", "192.0.2.1"},
    {"ETH_DNS", "192.0.2.53"},
    {"WIFI_MODE", "ap"},
    {"AP_SSID", "VELMAR32"},
    {"AP_KEY", "12345678"},
    {"STA_SSID", ""},
    {"STA_KEY", ""},
    {"APIP", "198.51.100.1"},
    {"DOMAIN", "velmar32.local"},
    {"WIFI_DHCP", "on"},
    {"WIFI_IP", "0.0.0.0"},
    {"WIFI_NETMASK", "0.0.0.0"},
    {"WIFI_GATEWAY", "0.0.0.0"},
    {"WIFI_DNS", "0.0.0.0"},
}};

} // namespace

NetworkSettings::NetworkSettings() {
    resetToDefaults();
}

std::optional<std::string> NetworkSettings::value(std::string_view key) const {
    if (key == kWifiStateKey) {
        return std::string(stationLinkUp() ? "up" : "down");
    }
    const std::optional<std::size_t> index = storedIndexOf(key);
    if (!index) {
        return std::nullopt;
    }
    return values_[*index];
}

bool NetworkSettings::set(std::string_view key, std::string_view value) {
    const std::optional<std::size_t> index = storedIndexOf(key);
    if (!index) {
        return false;
    }
    values_[*index] = std::string(value);
    return true;
}

void NetworkSettings::resetToDefaults() {
    for (std::size_t i = 0; i < kNetworkKeys.size(); ++i) {
        values_[i] = std::string(kNetworkKeys[i].factoryValue);
    }
}

std::optional<std::size_t> NetworkSettings::storedIndexOf(std::string_view key) {
    const auto found = std::find_if(kNetworkKeys.begin(), kNetworkKeys.end(),
                                    [key](const NetworkKey& entry) { return entry.key == key; });
    if (found == kNetworkKeys.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kNetworkKeys.begin());
}

bool NetworkSettings::stationLinkUp() const {
    // The station joins a network only when it is one the scan can see.
    const std::string ssid = value("STA_SSID").value_or("");
    return value("WIFI_MODE") == "sta" &&
           std::find(kScannedNetworks.begin(), kScannedNetworks.end(), ssid) !=
               kScannedNetworks.end();
}

} // namespace v32::dc
