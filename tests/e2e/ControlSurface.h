#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/ManualClock.h"
#include "app/core/ProductConstants.h"
#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/DispatcherLink.h"
#include "app/link/FrameDump.h"
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
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"
#include "tests/e2e/PatientLink.h"
#include "tests/e2e/RecordingLink.h"
#include "tests/e2e/RecordingScreens.h"
#include "tests/e2e/Transport.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace v32::e2e {

// The control surface without its window: the parameter model, the link of the chosen
// transport to a data centre on 127.0.0.1, the dispatcher, the link supervisor and the main
// loop, wired as application start wires them, with screens that keep what they are shown.
// Its tick is a manual clock that only the test moves, so supervisor ticks, paced runs and
// retries happen when the test says; the loop still waits for the link in real time.
struct ControlSurface {
    static constexpr std::uint32_t kLoopback = 0x7F000001;
    // How long a test waits in real time for the data centre before it gives up.
    static constexpr std::chrono::milliseconds kPatience{8000};
    // How long one tick waits in real time for the report that shows the link is up.
    static constexpr std::chrono::milliseconds kReportWait{1000};

    ControlSurface(Transport transport, std::uint16_t port);
    ~ControlSurface();
    ControlSurface(const ControlSurface&) = delete;
    ControlSurface& operator=(const ControlSurface&) = delete;

    // One main-loop pass at the present tick.
    void pass();
    // One main-loop pass after the loop's pass time: the paced senders run.
    void step();
    // One main-loop pass a supervisor period later.
    void tick();
    // Passes until done holds; false when the patience ran out first.
    bool passUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds patience = kPatience);
    bool stepUntil(const std::function<bool()>& done);

    // Lets one paced run send the waiting writes (at most 60), then passes without moving
    // the tick until all are acknowledged, so that no repeat falls due however slowly the
    // data centre answers.
    bool settleWrites();

    // Starts the supervisor and takes the link up: online with the first report, the
    // identify request and the layer query at the next tick, the full read a second later,
    // until it has finished. False when any stage did not come in time.
    bool comeOnline();
    // Ticks until a report has come, then through coming up and the full read it starts.
    bool comeBackOnline();
    // The "read finished!" lines printed so far.
    int readsFinished() const;
    // Every parameter write acknowledged or given up, every read answered.
    bool isSettled() const;
    // Every scene and channel name read answered and every name write acknowledged.
    bool areNamesSettled();
    // Waits until everything asked for is answered, and then for the answers to any
    // repeats: a late answer to a repeated read would overwrite a change made after it.
    // The data centre answers in order, so once one more read is answered, nothing older
    // is still on its way.
    bool settle();
    std::string logText() const;

    std::FILE* log = std::tmpfile();
    ManualClock clock;
    DebugSwitches switches;
    ModelConditions conditions;
    DefaultTable defaults;
    TimerQueue timers{clock};
    ParamModel model{defaults, switches, conditions, timers};
    FrameDump dump{switches, clock, log};
    UdpTarget udpTarget;
    UiWakeup wakeup;
    std::unique_ptr<Link> transport;
    PatientLink patientTransport{*transport};
    RecordingLink recording{patientTransport, clock};
    DispatcherLink link{recording};
    MessageSender sender{link};
    ReceiveQueue queue;
    SceneTransferState transfer;
    SceneImage sceneImage;
    LinkSupervisorState linkState;
    ProductConstants product = parseProductConstants();
    IdentifierHeader names;
    RecordingScreens screens{recording};
    ListenerRegistry listeners;
    Dispatcher dispatcher{DispatcherContext{link, queue, model, conditions, sender, transfer,
                                            sceneImage, linkState, switches, product, udpTarget,
                                            wakeup, clock, names, log, listeners}};
    LinkSupervisor supervisor{link,       linkState, model, sender,   switches,
                              conditions, timers,    clock, listeners};
    MainLoop mainLoop{wakeup, timers, dispatcher};

private:
    // Asks for one identifier until a report of it comes.
    bool awaitReportOf(ParamId id);
    static bool repeatUntil(const std::function<void()>& move, const std::function<bool()>& done,
                            std::chrono::milliseconds patience);
};

} // namespace v32::e2e
