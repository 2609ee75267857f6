#pragma once

#include "app/values/FixedText.h"
#include "app/values/UnitDisplay.h"

#include <cstdint>

namespace v32 {

// Each effect type exposes two adjustable parameters on the effect screens.
enum class EffectParam {
    First,
    Second,
};

// The translated name of an effect type 1 to 32; empty for any other value.
const char* effectTypeName(int type);

// The translated caption of an effect type's parameter; "UNDEF" for unknown types.
const char* effectParamCaption(int type, EffectParam param);

// The text of an effect parameter's raw value, whose unit and scale depend on the
// effect type; empty for unknown types.
FixedText effectParamText(int type, EffectParam param, std::uint16_t raw,
                          UnitDisplay unit = UnitDisplay::Shown);

} // namespace v32
