#pragma once

#include "app/protocol/ParamId.h"

#include <cstdint>
#include <string_view>

namespace v32 {

// The page on screen: the values, names, encoder turns and commands meant for whichever
// page is shown.
class PageListener {
public:
    virtual ~PageListener() = default;

    virtual void pageParameter(ParamId id, std::uint16_t value, bool fromNotify) = 0;
    virtual void pageChannelName(int slot, std::string_view name) = 0;
    // A scene name arrived (the page's further notification).
    virtual void pageSceneName(int scene, std::string_view name) = 0;
    virtual void pageEncoder(int encoder, int step) = 0;
    virtual void pageCommand(int code, int argument) = 0;
};

} // namespace v32
