#pragma once

#include <atomic>
#include <cstdint>

namespace v32 {

// The mixer the UDP link talks to: an IPv4 address in host byte order (127.0.0.1 is
// 0x7F000001), 0 when none is chosen. The device list sets it and the identify lockout
// clears it on the UI thread; the UDP receiver reads it to accept datagrams only from it.
class UdpTarget {
public:
    std::uint32_t address() const { return address_.load(std::memory_order_relaxed); }
    bool isSet() const { return address() != 0; }

    void set(std::uint32_t address) { address_.store(address, std::memory_order_relaxed); }
    void clear() { set(0); }

private:
    std::atomic<std::uint32_t> address_{0};
};

} // namespace v32
