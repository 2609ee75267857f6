#include "ui/toolkit/framework/RootScreenHooks.h"

#include "app/link/ListenerRegistry.h"
#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/Toast.h"

#include <QString>

namespace v32 {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

RootScreenHooks::RootScreenHooks(RootScreen& root)
    : m_root(root) {}

void RootScreenHooks::registerIn(ListenerRegistry& registry) {
    registry.listen<PageListener>(this);
    registry.listen<LinkStateListener>(this);
    registry.listen<ToastListener>(this);
}

void RootScreenHooks::withdrawFrom(ListenerRegistry& registry) {
    registry.listen<PageListener>(nullptr);
    registry.listen<LinkStateListener>(nullptr);
    registry.listen<ToastListener>(nullptr);
}

void RootScreenHooks::pageParameter(ParamId id, std::uint16_t value, bool fromNotify) {
    if (Page* page = m_root.currentPage()) {
        page->parameter(id, value, fromNotify);
    }
}

void RootScreenHooks::parameterWritten(ParamId id, std::uint16_t value) {
    pageParameter(id, value, false);
}

void RootScreenHooks::pageChannelName(int slot, std::string_view name) {
    if (Page* page = m_root.currentPage()) {
        page->channelName(slot, name);
    }
}

void RootScreenHooks::pageSceneName(int scene, std::string_view name) {
    if (Page* page = m_root.currentPage()) {
        page->sceneName(scene, name);
    }
}

void RootScreenHooks::pageEncoder(int encoder, int step) {
    if (Page* page = m_root.currentPage()) {
        page->encoder(encoder, step);
    }
}

void RootScreenHooks::pageCommand(int code, int argument) {
    if (Page* page = m_root.currentPage()) {
        page->command(code, argument);
    }
}

void RootScreenHooks::showConnectionIssue(std::string_view text) {
    m_root.showConnectionIssue(fromUtf8(text));
}

void RootScreenHooks::showOnlineState(bool online) {
    m_root.showOnlineState(online);
}

void RootScreenHooks::showToast(std::string_view text, std::uint16_t colour,
                                std::uint32_t durationMs) {
    m_root.toast().showMessage(fromUtf8(text), colour, durationMs);
}

} // namespace v32
