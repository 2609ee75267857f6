#include "ui/pages/ScreenSet.h"

#include "app/model/ParamModel.h"
#include "ui/pages/home/HomeScreens.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/RootScreenHooks.h"

namespace v32 {

ScreenSet::ScreenSet(ParamModel& model, ControlPanel* panel)
    : m_model(model)
    , m_screens{.model = model,
                .fonts = m_fonts,
                .images = m_images,
                .root = nullptr,
                .panel = panel,
                .listeners = nullptr,
                .openDeviceList = {}} {
    auto home = std::make_unique<HomeScreens>(m_screens, m_navigation);
    m_home = home.get();
    m_modules.push_back(std::move(home));
}

ScreenSet::~ScreenSet() {
    detach();
}

void ScreenSet::install(PageRegistry& registry) {
    registry.setValues(&m_model);
    for (const std::unique_ptr<ScreenModule>& module : m_modules) {
        module->install(registry);
    }
}

void ScreenSet::attach(RootScreen& root) {
    detach();
    m_screens.root = &root;
    m_hooks = std::make_unique<RootScreenHooks>(root);
    m_model.setWriteListener(m_hooks.get());
    if (GlobalBar* bar = root.globalBar()) {
        for (const std::unique_ptr<ScreenModule>& module : m_modules) {
            module->attachGlobalBar(*bar);
        }
    }
}

void ScreenSet::detach() {
    if (m_hooks) {
        m_model.setWriteListener(nullptr);
        m_hooks.reset();
    }
    m_screens.root = nullptr;
}

} // namespace v32
