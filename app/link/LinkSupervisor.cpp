#include "app/link/LinkSupervisor.h"

#include "app/core/Clock.h"
#include "app/core/DebugSwitches.h"
#include "app/link/Link.h"
#include "app/link/LinkStateListener.h"
#include "app/link/LinkSupervisorState.h"
#include "app/link/ListenerRegistry.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/MessageSender.h"

namespace v32 {

LinkSupervisor::LinkSupervisor(Link& link, LinkSupervisorState& state, ParamModel& model,
                               MessageSender& sender, const DebugSwitches& switches,
                               const ModelConditions& conditions, TimerQueue& timers,
                               const Clock& clock, const ListenerRegistry& listeners)
    : m_link(link)
    , m_state(state)
    , m_model(model)
    , m_sender(sender)
    , m_switches(switches)
    , m_conditions(conditions)
    , m_timers(timers)
    , m_clock(clock)
    , m_listeners(listeners) {}

LinkSupervisor::~LinkSupervisor() {
    m_timers.remove(m_tickTimer);
    m_timers.remove(m_fullReadTimer);
}

void LinkSupervisor::start() {
    m_timers.remove(m_tickTimer);
    m_tickTimer = m_timers.startPeriodic(kTickMs, [this](TimerQueue::Handle) { tick(); });
}

void LinkSupervisor::tick() {
    pollOnlineLock();
    sendHeartbeat();
    judgeLink();
    m_previousOnline = m_state.online;
    retryQuietLink();
}

// A local data centre drives the panel itself and needs no lock poll.
void LinkSupervisor::pollOnlineLock() {
    if (!m_switches.disable_online_lock && !m_conditions.localDevice && m_switches.heartbeat) {
        m_model.request(FixedParam::kOnlineLock);
    }
}

void LinkSupervisor::sendHeartbeat() {
    if (!m_state.deviceListOpen && m_switches.heartbeat) {
        m_model.requestRange(FixedParam::kFirstHeartbeat, FixedParam::kLastHeartbeat);
    }
}

void LinkSupervisor::judgeLink() {
    if (m_state.online) {
        if (m_clock.elapsedSince(m_state.lastHeardMs) >= kOfflineAfterMs) {
            m_state.online = false;
        } else if (!m_previousOnline) {
            linkCameUp();
            return;
        }
    }
    if (!m_state.online && m_previousOnline) {
        linkWentDown();
    }
}

void LinkSupervisor::linkCameUp() {
    m_listeners.call(&LinkStateListener::showOnlineState, true);
    m_sender.sendIdentify();
    m_sender.sendTextQuery("LAYER=");
    if (!(m_switches.disable_reconnect && m_fullReadDoneOnce)) {
        scheduleFullRead();
    }
    m_fullReadDoneOnce = true;
}

// The device answers the identify request and the layer query first; the read follows.
void LinkSupervisor::scheduleFullRead() {
    if (!m_timers.restart(m_fullReadTimer)) {
        m_fullReadTimer = m_timers.startOneShot(kFullReadDelayMs,
                                                [this](TimerQueue::Handle) { m_model.fullRead(); });
    }
}

void LinkSupervisor::linkWentDown() {
    m_listeners.call(&LinkStateListener::showOnlineState, false);
    if (reconnectsWhileDown()) {
        m_link.close();
        m_reconnectCountdown = kReconnectTicks;
    }
}

void LinkSupervisor::retryQuietLink() {
    if (m_state.online || !reconnectsWhileDown()) {
        return;
    }
    if (m_reconnectCountdown != 0) {
        --m_reconnectCountdown;
    }
    if (m_reconnectCountdown == 0) {
        m_reconnectCountdown = kReconnectTicks;
        m_link.close();
        m_link.open();
    }
}

// Only a TCP connection or the silent link is rebuilt; the UDP and serial links keep their
// socket or port whether or not anyone answers.
bool LinkSupervisor::reconnectsWhileDown() const {
    const LinkType type = m_link.type();
    return type == LinkType::Tcp || type == LinkType::None;
}

} // namespace v32
