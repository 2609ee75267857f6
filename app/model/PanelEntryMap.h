#pragma once

#include "app/protocol/ParamId.h"

namespace v32 {

// Which control-panel fader shows a fader-level parameter.
class PanelEntryMap {
public:
    virtual ~PanelEntryMap() = default;
    // The panel entry 0..50 of the fader showing `id`, or -1 when no panel fader shows it.
    virtual int panelEntryOf(ParamId id) const = 0;
};

} // namespace v32
