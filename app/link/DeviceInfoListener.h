#pragma once

#include <string_view>

namespace v32 {

// What the device tells about itself: its name and its firmware version.
class DeviceInfoListener {
public:
    virtual ~DeviceInfoListener() = default;

    virtual void showDeviceName(std::string_view name) = 0;
    virtual void showFirmwareVersion(std::string_view version) = 0;
};

} // namespace v32
