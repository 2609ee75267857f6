#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

// A mixer that answered discovery: its address (host byte order, as the UDP target takes
// it) and the name it is listed under.
struct FoundDevice {
    static constexpr std::size_t kMaxNameLength = 31;

    std::uint32_t address = 0;
    std::array<char, kMaxNameLength + 1> name{};

    std::string_view nameView() const { return name.data(); }
};

// The devices of one discovery run, in the order their replies arrived, each address once.
class FoundDeviceTable {
public:
    static constexpr std::size_t kCapacity = 256;

    // Lists the device with its name cut to 31 characters. False, and the table unchanged,
    // when the address is listed already or the table is full.
    bool add(std::uint32_t address, std::string_view name);

    bool contains(std::uint32_t address) const;
    bool isFull() const { return m_count == kCapacity; }
    std::span<const FoundDevice> devices() const { return std::span(m_devices).first(m_count); }

private:
    std::array<FoundDevice, kCapacity> m_devices{};
    std::size_t m_count = 0;
};

} // namespace v32
