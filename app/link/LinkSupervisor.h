#pragma once

#include "app/core/TimerQueue.h"
#include "app/protocol/ParamId.h"

#include <cstdint>

namespace v32 {

class Clock;
class Link;
class ListenerRegistry;
class MessageSender;
class ParamModel;
struct DebugSwitches;
struct LinkSupervisorState;
struct ModelConditions;

// Judges once a second whether the mixer is online: it is while parameter reports keep
// arriving. Each time the link comes up it identifies the device, asks for its layer and,
// a second later, reads the whole state; a TCP or silent link that stays down is closed and
// opened again every ten ticks. It also keeps the online lock and the heartbeat going.
class LinkSupervisor {
public:
    static constexpr std::uint32_t kTickMs = 1000;
    static constexpr std::uint32_t kOfflineAfterMs = 5100;
    static constexpr std::uint32_t kFullReadDelayMs = 1000;
    static constexpr int kReconnectTicks = 10;

    LinkSupervisor(Link& link, LinkSupervisorState& state, ParamModel& model, MessageSender& sender,
                   const DebugSwitches& switches, const ModelConditions& conditions,
                   TimerQueue& timers, const Clock& clock, const ListenerRegistry& listeners);
    ~LinkSupervisor();

    LinkSupervisor(const LinkSupervisor&) = delete;
    LinkSupervisor& operator=(const LinkSupervisor&) = delete;

    // Ticks every kTickMs from now on.
    void start();
    void tick();

    bool isFullReadDoneOnce() const { return m_fullReadDoneOnce; }
    int reconnectCountdown() const { return m_reconnectCountdown; }

private:
    void pollOnlineLock();
    void sendHeartbeat();
    void judgeLink();
    void linkCameUp();
    void linkWentDown();
    void scheduleFullRead();
    void retryQuietLink();
    bool reconnectsWhileDown() const;

    Link& m_link;
    LinkSupervisorState& m_state;
    ParamModel& m_model;
    MessageSender& m_sender;
    const DebugSwitches& m_switches;
    const ModelConditions& m_conditions;
    TimerQueue& m_timers;
    const Clock& m_clock;
    // The online icon listens to the link state.
    const ListenerRegistry& m_listeners;

    TimerQueue::Handle m_tickTimer;
    TimerQueue::Handle m_fullReadTimer;
    bool m_previousOnline = false;
    bool m_fullReadDoneOnce = false;
    int m_reconnectCountdown = kReconnectTicks;
};

} // namespace v32
