#pragma once

#include "app/protocol/ParamId.h"
#include "ui/toolkit/framework/OpenArgument.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>
#include <string_view>

namespace v32 {

// One page of the user interface. A page container creates it on its first opening and
// calls leave, enter and open; the device link and the input handling call the others on
// the page on screen. Every hook does nothing unless the page overrides it.
class Page : public StyledWidget {
    Q_OBJECT

public:
    explicit Page(QWidget* parent = nullptr);

    // Another page is about to replace this one.
    virtual void leave() {}
    // The page has just been shown.
    virtual void enter() {}
    // Told what to show; never with nothing.
    virtual void open(const OpenArgument& /*argument*/) {}
    virtual void command(int /*code*/, int /*argument*/) {}
    virtual void encoder(int /*encoder*/, int /*step*/) {}
    // A value of the mixer arrived or was written for the user: it goes to what the page
    // has bound to it.
    virtual void parameter(ParamId id, std::uint16_t value, bool fromNotify);
    virtual void channelName(int /*slot*/, std::string_view /*name*/) {}
    virtual void sceneName(int /*scene*/, std::string_view /*name*/) {}

    // Which parameters drive what the page shows. Every opening replays them, so a page
    // declares what it shows and never publishes by hand.
    ParamBindings& bindings() { return m_bindings; }
    const ParamBindings& bindings() const { return m_bindings; }

private:
    ParamBindings m_bindings;
};

} // namespace v32
