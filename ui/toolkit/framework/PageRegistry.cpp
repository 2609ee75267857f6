#include "ui/toolkit/framework/PageRegistry.h"

namespace v32 {

namespace {

struct PageName {
    PageId id;
    const char* name;
};

constexpr PageName kPageNames[] = {
    {PageId::Home, "home"},
    {PageId::BriefCont, "brief_cont"},
    {PageId::BriefChannel, "brief_channel"},
    {PageId::BriefFader, "brief_fader"},
    {PageId::EditCont, "edit_cont"},
    {PageId::EditInput, "edit_input"},
    {PageId::EditEfx, "edit_efx"},
    {PageId::EditOutput, "edit_output"},
    {PageId::EditDca, "edit_dca"},
    {PageId::Player, "player"},
    {PageId::Setting, "setting"},
    {PageId::SetScene, "set_scene"},
    {PageId::SetCopy, "set_copy"},
    {PageId::SetMuteGroup, "set_mute_group"},
    {PageId::SetPhantomGroup, "set_phantom_group"},
    {PageId::SetRecord, "set_record"},
    {PageId::SetPhones, "set_phones"},
    {PageId::SetMonitor, "set_monitor"},
    {PageId::Network, "network"},
    {PageId::Signal, "signal"},
    {PageId::Lamp, "lamp"},
    {PageId::SetInput, "set_input"},
    {PageId::SetOutput, "set_output"},
    {PageId::SetSys, "set_sys"},
    {PageId::FactoryMode, "factory_mode"},
};

} // namespace

PageRegistry::PageRegistry() {
    for (const PageName& page : kPageNames) {
        m_pages[static_cast<std::size_t>(page.id)] = PageDescriptor{page.id, page.name, {}};
    }
}

const PageDescriptor* PageRegistry::descriptor(int id) const {
    if (id < 0 || id >= kSlotCount || !m_pages[static_cast<std::size_t>(id)]) {
        return nullptr;
    }
    return &*m_pages[static_cast<std::size_t>(id)];
}

void PageRegistry::install(PageId id, PageFactory factory) {
    if (auto& page = m_pages[static_cast<std::size_t>(id)]) {
        page->create = std::move(factory);
    }
}

} // namespace v32
