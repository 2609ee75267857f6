#pragma once

#include "app/model/ControlPanelHooks.h"
#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

// What the dispatcher asks of the control-panel support besides the light refresh and the
// fader push that the parameter model asks for too.
class PanelEvents : public ControlPanelHooks {
public:
    // A panel key went down or up: key code in bits 0-12, bit 14 set while pressed.
    virtual void panelKey(std::uint16_t event) = 0;
    // The fader parameter that panel strip 0..50 moves in the current bank; kInvalidParam
    // when the strip moves nothing.
    virtual ParamId stripParameter(int strip) const = 0;
};

} // namespace v32
