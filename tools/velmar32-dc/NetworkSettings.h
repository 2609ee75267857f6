#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace v32::dc {

// The mixer's network configuration as the text keys carry it. Nothing here touches a
// network: the values are only stored and reported, as a mixer would until it restarts.
class NetworkSettings {
public:
    // Networks the simulated Wi-Fi scan finds.
    static constexpr std::array<std::string_view, 4> kScannedNetworks{"Studio-5G", "FOH-Net",
                                                                      "Stage-WiFi", "Guest"};

    NetworkSettings();

    // Nothing for a key that is not a network key.
    std::optional<std::string> value(std::string_view key) const;
    // False for unknown keys and for WIFI_STATE, which follows the station link.
    bool set(std::string_view key, std::string_view value);
    void resetToDefaults();

    // Every key but WIFI_STATE.
    static constexpr std::size_t kStoredKeyCount = 17;

private:
    static std::optional<std::size_t> storedIndexOf(std::string_view key);
    bool stationLinkUp() const;

    std::array<std::string, kStoredKeyCount> values_;
};

} // namespace v32::dc
