#pragma once

#include "app/link/NetworkAdapter.h"

#include <vector>

namespace v32 {

// Every IPv4 address of every adapter of this computer; empty when the system cannot list
// them.
std::vector<NetworkAdapter> listSystemNetworkAdapters();

} // namespace v32
