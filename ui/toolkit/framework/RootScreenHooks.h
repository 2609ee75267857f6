#pragma once

#include "app/link/LinkStateListener.h"
#include "app/link/PageListener.h"
#include "app/link/ToastListener.h"
#include "app/model/ParamWriteListener.h"

namespace v32 {

class ListenerRegistry;
class RootScreen;

// What the device link asks of the root screen: the page calls go to the page on screen,
// the link state to its icon and overlay, command results to toasts. Values that a control
// change wrote on the user's behalf reach the page on screen too.
class RootScreenHooks : public PageListener,
                        public LinkStateListener,
                        public ToastListener,
                        public ParamWriteListener {
public:
    explicit RootScreenHooks(RootScreen& root);

    // Listens to the page, the link state and the toasts from now on, or no longer.
    void registerIn(ListenerRegistry& registry);
    void withdrawFrom(ListenerRegistry& registry);

    void pageParameter(ParamId id, std::uint16_t value, bool fromNotify) override;
    void pageChannelName(int slot, std::string_view name) override;
    void pageSceneName(int scene, std::string_view name) override;
    void pageEncoder(int encoder, int step) override;
    void pageCommand(int code, int argument) override;

    void showConnectionIssue(std::string_view text) override;
    void showOnlineState(bool online) override;
    void showToast(std::string_view text, std::uint16_t colour, std::uint32_t durationMs) override;
    void parameterWritten(ParamId id, std::uint16_t value) override;

private:
    RootScreen& m_root;
};

} // namespace v32
