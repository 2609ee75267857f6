#pragma once

#include <cstddef>
#include <span>

namespace v32 {

// A fixed text area in the program's data that the factory tool overwrites in the shipped
// binary to start it in factory mode.
inline constexpr std::size_t kFactoryMarkerSize = 46;

// True when the area begins with "FACTORY" and a NUL.
bool isFactoryMarker(std::span<const char, kFactoryMarkerSize> area);

// Checks the program's own area, read at run time so that a patched binary is noticed.
bool programHasFactoryMarker();

} // namespace v32
