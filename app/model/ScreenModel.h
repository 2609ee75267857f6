#pragma once

#include "app/model/ParamReader.h"
#include "app/model/ParamWrite.h"

#include <span>
#include <string_view>

namespace v32 {

// What the screens may do with the program's copy of the mixer: read values and names,
// change values through the one write operation, rename channels and scenes, and ask for
// values again. The senders, the pending sets and what the device link feeds in stay out
// of their reach.
class ScreenModel : public ParamReader {
public:
    // Applies the writes in order, each with its rules.
    virtual void write(std::span<const ParamWrite> writes) = 0;
    void write(const ParamWrite& one) { write(std::span(&one, 1)); }

    // Asks the mixer for the values again; live data is held back while the model says so.
    virtual void requestRange(ParamId first, ParamId last) = 0;
    // Meters and the analyser are not asked for at all (a debug switch).
    virtual bool isSpectrumDisabled() const = 0;

    // Channel names by channel slot, scene names by scene number 1..16.
    virtual std::string_view channelName(int slot) const = 0;
    virtual void setChannelName(int slot, std::string_view text) = 0;
    virtual std::string_view sceneName(int scene) const = 0;
    virtual void setSceneName(int scene, std::string_view text) = 0;
};

} // namespace v32
