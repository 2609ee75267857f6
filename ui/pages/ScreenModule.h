#pragma once

namespace v32 {

class GlobalBar;
class PageRegistry;

// The shape of every screen: it installs the builders of its pages into the registry and,
// when the main screen has the global bar, attaches what the bar's tabs lead to. The pages
// get everything else from the screen context they are built with.
class ScreenModule {
public:
    virtual ~ScreenModule() = default;

    virtual void install(PageRegistry& registry) = 0;
    virtual void attachGlobalBar(GlobalBar& /*bar*/) {}
};

} // namespace v32
