#include "app/link/FoundDeviceTable.h"

#include <algorithm>

namespace v32 {

bool FoundDeviceTable::add(std::uint32_t address, std::string_view name) {
    if (isFull() || contains(address)) {
        return false;
    }
    FoundDevice& device = m_devices[m_count++];
    device.address = address;
    const std::string_view kept = name.substr(0, FoundDevice::kMaxNameLength);
    device.name.fill('\0');
    std::copy(kept.begin(), kept.end(), device.name.begin());
    return true;
}

bool FoundDeviceTable::contains(std::uint32_t address) const {
    const std::span<const FoundDevice> listed = devices();
    return std::any_of(listed.begin(), listed.end(),
                       [address](const FoundDevice& device) { return device.address == address; });
}

} // namespace v32
