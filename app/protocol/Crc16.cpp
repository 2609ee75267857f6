#include "app/protocol/Crc16.h"

#include <array>

namespace v32 {

namespace {

constexpr std::uint16_t kPolynomial = 0xA001;

constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < table.size(); ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ kPolynomial : crc >> 1;
        }
        table[byte] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kTable = makeTable();

} // namespace

void Crc16::addByte(std::uint8_t byte) {
    m_value = static_cast<std::uint16_t>((m_value >> 8) ^ kTable[(m_value ^ byte) & 0xFFU]);
}

void Crc16::add(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        addByte(byte);
    }
}

void Crc16::add(std::string_view text) {
    for (const char c : text) {
        addByte(static_cast<std::uint8_t>(c));
    }
}

std::uint16_t Crc16::of(std::span<const std::uint8_t> bytes) {
    Crc16 crc;
    crc.add(bytes);
    return crc.value();
}

std::uint16_t Crc16::of(std::string_view text) {
    Crc16 crc;
    crc.add(text);
    return crc.value();
}

} // namespace v32
