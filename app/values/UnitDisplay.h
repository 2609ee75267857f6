#pragma once

namespace v32 {

// Whether a value text ends in its unit; value tiles and strips with their own unit
// caption ask for the bare number.
enum class UnitDisplay {
    Shown,
    Omitted,
};

} // namespace v32
