#pragma once

#include "app/link/NetworkAdapter.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace v32 {

// Where discovery sends its identify request: one address per adapter, the adapter's
// address with its last number replaced by 255, whatever the adapter's netmask.
std::uint32_t discoveryBroadcastOf(std::uint32_t address);

// Adapters that only lead to containers, virtual machines or tunnels on this computer
// (bridges, veth pairs, docker, libvirt, VMware and VirtualBox host networks, tun/tap,
// WireGuard and similar), told by the name the system gives them. No mixer lives behind
// them, so discovery leaves them out unless the configuration names them.
bool isVirtualAdapterName(std::string_view name);

// The adapter names of a comma-separated list, trimmed of blanks; empty items are dropped.
std::vector<std::string> parseAdapterNames(std::string_view list);

// The broadcast address of each adapter discovery probes, in the system's order: the first
// IPv4 address of every adapter that is up and has one. Without names, loopback and
// virtual adapters are left out; with names, exactly the adapters named are probed,
// loopback and virtual ones included.
std::vector<std::uint32_t> discoveryBroadcasts(std::span<const NetworkAdapter> adapters,
                                               std::span<const std::string> namedAdapters);

} // namespace v32
