#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace v32 {

// CRC-16 with the reflected polynomial 0xA001, initial value 0xFFFF and no final XOR.
// Frames store it high byte first; the preset file and the scene file's "magic" use it too.
class Crc16 {
public:
    void add(std::span<const std::uint8_t> bytes);
    void add(std::string_view text);
    std::uint16_t value() const { return m_value; }

    static std::uint16_t of(std::span<const std::uint8_t> bytes);
    static std::uint16_t of(std::string_view text);

private:
    void addByte(std::uint8_t byte);

    std::uint16_t m_value = 0xFFFF;
};

} // namespace v32
