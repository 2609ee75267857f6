#pragma once

#include <cstdint>

namespace v32 {

// Repeat pacing of one pending outgoing entry, packed in a byte: bits 3-5 count the sends
// still allowed, bits 0-2 the ticks to wait before the next one; bits 6-7 belong to the
// owner and survive every operation here.
class RetryState {
public:
    // What one tick did with the entry.
    enum class Tick : std::uint8_t {
        Wait,     // not sent in this tick
        Send,     // sent, further sends remain
        SendLast, // sent for the last time; the entry is no longer pending
    };

    static constexpr int kSendsPerMark = 4;
    static constexpr int kTicksBetweenSends = 5;

    constexpr RetryState() = default;
    constexpr explicit RetryState(std::uint8_t bits)
        : m_bits(bits) {}

    // Four sends left, the first one due at once.
    void mark();
    // Nothing left to send: the device has confirmed the entry or it was dropped.
    void clear();
    Tick advance();

    int sendsLeft() const { return (m_bits >> kSendsShift) & kFieldMask; }
    int ticksToWait() const { return m_bits & kFieldMask; }
    bool isDue() const { return sendsLeft() != 0 && ticksToWait() == 0; }
    std::uint8_t bits() const { return m_bits; }

private:
    static constexpr int kSendsShift = 3;
    static constexpr std::uint8_t kFieldMask = 0x07;
    static constexpr std::uint8_t kPacingMask = 0x3F;

    void setPacing(int sends, int ticks);

    std::uint8_t m_bits = 0;
};

} // namespace v32
