#pragma once

#include <cstdint>

namespace v32 {

// The scene keys of the control panel, which the scenes screen serves.
class SceneKeyListener {
public:
    virtual ~SceneKeyListener() = default;

    virtual void setSceneKeyLock(bool locked) = 0;
    // A panel scene key: key code, bit 15 marking a long press.
    virtual void sceneKeyEvent(std::uint16_t event) = 0;
};

} // namespace v32
