#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// Read access to the program's copy of the mixer's parameter values.
class ParamReader {
public:
    virtual ~ParamReader() = default;
    // The stored value; 0 for identifiers beyond the last one.
    virtual std::uint16_t value(ParamId id) const = 0;
};

} // namespace v32
