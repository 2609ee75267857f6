#pragma once

#include <cstdio>

namespace v32 {

class Clock;
class DispatcherLink;
class IdentifierHeader;
class ListenerRegistry;
class MessageSender;
class ParamModel;
class ReceiveQueue;
class UdpTarget;
class UiWakeup;
struct DebugSwitches;
struct LinkSupervisorState;
struct ModelConditions;
struct ProductConstants;
struct SceneImage;
struct SceneTransferState;

// What a dispatch pass works on. Everything named here outlives the dispatcher.
struct DispatcherContext {
    DispatcherLink& link;
    ReceiveQueue& queue;
    ParamModel& model;
    // The dispatcher raises and lowers the lock flag with the device's lock state.
    ModelConditions& conditions;
    MessageSender& sender;
    SceneTransferState& transfer;
    SceneImage& sceneImage;
    LinkSupervisorState& linkState;
    // The identify lockout turns the reconnect, online-lock and heartbeat switches off.
    DebugSwitches& switches;
    const ProductConstants& product;
    UdpTarget& udpTarget;
    UiWakeup& wakeup;
    const Clock& clock;
    // Names for the print_writes dump of the paced senders.
    const IdentifierHeader& names;
    std::FILE* log;
    // The screens that listen; the dispatcher only calls them.
    const ListenerRegistry& listeners;
};

} // namespace v32
