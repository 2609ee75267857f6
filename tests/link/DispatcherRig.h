#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/ProductConstants.h"
#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/DispatcherLink.h"
#include "app/link/LinkSupervisor.h"
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
#include "app/protocol/PairList.h"
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"
#include "tests/link/DispatcherTestLink.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace v32::test {

// The dispatcher with everything it works on, the link supervisor and the main loop, over a
// given transport and the wake-up that transport releases, on a manual clock, logging into a
// file the test can read.
struct DispatcherRig {
    DispatcherRig(Link& transport, UiWakeup& linkWakeup);
    ~DispatcherRig();
    DispatcherRig(const DispatcherRig&) = delete;
    DispatcherRig& operator=(const DispatcherRig&) = delete;

    std::string logText() const;

    std::FILE* log = std::tmpfile();
    DefaultTable defaults;
    DebugSwitches switches;
    ModelConditions conditions;
    ManualClock clock;
    TimerQueue timers{clock};
    ParamModel model{defaults, switches, conditions, timers};
    DispatcherLink link;
    MessageSender sender{link};
    ReceiveQueue queue;
    SceneTransferState transfer;
    SceneImage sceneImage;
    LinkSupervisorState linkState;
    ProductConstants product = parseProductConstants();
    UdpTarget udpTarget;
    UiWakeup& wakeup;
    IdentifierHeader names;
    // Nobody listens until a test registers its screens.
    ListenerRegistry listeners;
    Dispatcher dispatcher;
    LinkSupervisor supervisor;
    MainLoop mainLoop{wakeup, timers, dispatcher};
};

Bytes concat(std::initializer_list<Bytes> parts);
// A whole frame of this code and payload.
Bytes frameOf(std::uint8_t code, const Bytes& payload = {});
Bytes pairFrame(std::uint8_t code, const std::vector<ParamPair>& pairs);
Bytes textFrame(std::uint8_t code, std::string_view text);

} // namespace v32::test
