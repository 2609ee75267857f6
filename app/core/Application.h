#pragma once

#include "app/core/ApplicationContext.h"
#include "app/core/CommandLine.h"
#include "app/core/StartupEnvironment.h"
#include "app/core/StartupHost.h"
#include "app/core/SteadyClock.h"
#include "app/core/TimerQueue.h"
#include "app/link/Dispatcher.h"
#include "app/link/DispatcherLink.h"
#include "app/link/FrameDump.h"
#include "app/link/Link.h"
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
#include "app/protocol/MessageSender.h"
#include "app/protocol/SceneImage.h"
#include "app/protocol/SceneTransferState.h"

#include <functional>
#include <memory>
#include <optional>

namespace v32 {

// Brings the program up in its fixed order: preset file, early options, debug settings,
// product constants, identifier names, language, local data centre, options, then the
// parameter model and the device link; with a window, runs the main loop until it closes.
class Application {
public:
    // The window's part of application start: builds the screens on the initialised model
    // and link, hooks them in (screens, control panel, toolkit step, quit) and opens the
    // device list. False when the window cannot be made, which ends the program with -1.
    using WindowSetup = std::function<bool(Application&)>;

    // Without a host, the steps that need the desktop (factory key, debug chooser, splash)
    // are left out.
    Application(CommandLine commandLine, StartupEnvironment environment,
                StartupHost* host = nullptr);

    // Without a window setup, run() ends once the application is initialised.
    void setWindowSetup(WindowSetup setup) { m_windowSetup = std::move(setup); }

    // The program's exit code.
    int run();

    const ApplicationContext& context() const { return m_context; }

    // What application initialisation builds, for the window to work on.
    ParamModel& model() { return m_model; }
    ModelConditions& conditions() { return m_conditions; }
    MessageSender& sender() { return m_sender; }
    DispatcherLink& link() { return m_link; }
    UdpTarget& udpTarget() { return m_udpTarget; }
    LinkSupervisorState& linkState() { return m_linkState; }
    SceneTransferState& sceneTransfer() { return m_transfer; }
    SceneImage& sceneImage() { return m_sceneImage; }
    TimerQueue& timers() { return m_timers; }
    const Clock& clock() const { return m_clock; }
    Dispatcher& dispatcher() { return m_dispatcher; }
    LinkSupervisor& supervisor() { return m_supervisor; }
    MainLoop& mainLoop() { return m_mainLoop; }
    // Where the screens register for the calls of the device link.
    ListenerRegistry& listeners() { return m_listeners; }

private:
    std::optional<int> runEarlyOptions();
    void waitForDataCentre();
    bool configureDebugging();
    int start();
    void parseIdentifierHeader();
    void selectConfiguredLanguage();
    void probeLocalDevice();
    void initialise();
    int runWindow();

    CommandLine m_commandLine;
    StartupEnvironment m_environment;
    StartupHost* m_host;
    ApplicationContext m_context;
    WindowSetup m_windowSetup;

    SteadyClock m_clock;
    TimerQueue m_timers{m_clock};
    DefaultTable m_defaults;
    ModelConditions m_conditions;
    ParamModel m_model{m_defaults, m_context.switches, m_conditions, m_timers};
    ReceiveQueue m_queue;
    UdpTarget m_udpTarget;
    UiWakeup m_wakeup;
    FrameDump m_dump{m_context.switches, m_clock, m_environment.log};
    // Made at initialisation: the serial link takes the port the debug chooser picked.
    std::unique_ptr<Link> m_transport;
    DispatcherLink m_link;
    MessageSender m_sender{m_link};
    SceneTransferState m_transfer;
    SceneImage m_sceneImage;
    LinkSupervisorState m_linkState;
    ListenerRegistry m_listeners;
    Dispatcher m_dispatcher;
    LinkSupervisor m_supervisor{m_link,       m_linkState, m_model, m_sender,   m_context.switches,
                                m_conditions, m_timers,    m_clock, m_listeners};
    MainLoop m_mainLoop{m_wakeup, m_timers, m_dispatcher};
};

} // namespace v32
