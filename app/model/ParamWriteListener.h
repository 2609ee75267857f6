#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// Told about values that a control change wrote on the user's behalf, so that the widgets
// showing them are redrawn.
class ParamWriteListener {
public:
    virtual ~ParamWriteListener() = default;
    virtual void parameterWritten(ParamId id, std::uint16_t value) = 0;
};

} // namespace v32
