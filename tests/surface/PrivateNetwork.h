#pragma once

#include <string>

namespace v32::surface {

// The surface test lets the device list broadcast for mixers, which is safe only where
// loopback is the one adapter that is up. Empty when that holds; otherwise what is wrong.
std::string privateNetworkProblem();

} // namespace v32::surface
