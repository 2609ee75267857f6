#pragma once

namespace v32 {

// The global bar over the screens, whose faders follow every fader level that arrives.
class GlobalBarListener {
public:
    virtual ~GlobalBarListener() = default;

    virtual void refreshGlobalBarFaders() = 0;
};

} // namespace v32
