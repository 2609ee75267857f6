#pragma once

#include <cstdint>
#include <string>

namespace v32 {

// One IPv4 address of a network adapter, as the system lists it. An adapter with several
// addresses appears once per address, in the system's order.
struct NetworkAdapter {
    std::string name;
    // Host byte order; 0 when the adapter has no address yet.
    std::uint32_t address = 0;
    bool up = false;
    bool loopback = false;
};

} // namespace v32
