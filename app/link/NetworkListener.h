#pragma once

#include <string_view>

namespace v32 {

// The network settings page, when it is open: the settings the device reports, the items
// of its Wi-Fi list and the word that a changed configuration was stored.
class NetworkListener {
public:
    virtual ~NetworkListener() = default;

    virtual void networkSetting(std::string_view key, std::string_view value) = 0;
    virtual void networkListItem(std::string_view text) = 0;
    virtual void showConfigurationSaved(std::string_view text) = 0;
};

} // namespace v32
