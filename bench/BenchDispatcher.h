#pragma once

#include "app/core/Clock.h"
#include "app/core/DebugSwitches.h"
#include "app/core/ProductConstants.h"
#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/DispatcherLink.h"
#include "app/link/LinkSupervisorState.h"
#include "app/link/ListenerRegistry.h"
#include "app/link/MainLoop.h"
#include "app/link/ReceiveQueue.h"
#include "app/link/UdpTarget.h"
#include "app/link/UiWakeup.h"
#include "app/model/DefaultTable.h"
#include "app/model/ModelConditions.h"
#include "app/model/ParamModel.h"
#include "app/protocol/IdentifierHeader.h"
#include "app/protocol/MessageSender.h"
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"

#include <cstdio>

namespace v32::bench {

// The dispatcher and the main loop with the parameter model and senders behind them, over a
// given transport, the wake-up it releases and a clock; the log is thrown away and no screen
// listens.
class BenchDispatcher {
public:
    BenchDispatcher(Link& transport, UiWakeup& wakeup, const Clock& clock);
    ~BenchDispatcher();
    BenchDispatcher(const BenchDispatcher&) = delete;
    BenchDispatcher& operator=(const BenchDispatcher&) = delete;

    ParamModel& model() { return m_model; }
    DispatcherLink& link() { return m_link; }
    Dispatcher& dispatcher() { return m_dispatcher; }
    MainLoop& mainLoop() { return m_mainLoop; }

private:
    std::FILE* m_log;
    DefaultTable m_defaults;
    DebugSwitches m_switches;
    ModelConditions m_conditions;
    TimerQueue m_timers;
    ParamModel m_model;
    DispatcherLink m_link;
    MessageSender m_sender;
    ReceiveQueue m_queue;
    SceneTransferState m_transfer;
    SceneImage m_sceneImage;
    LinkSupervisorState m_linkState;
    ProductConstants m_product;
    UdpTarget m_udpTarget;
    IdentifierHeader m_names;
    ListenerRegistry m_listeners;
    Dispatcher m_dispatcher;
    MainLoop m_mainLoop;
};

} // namespace v32::bench
