#include "app/core/Application.h"

#include "app/core/FactoryMarker.h"
#include "app/core/LocalDataCentreProbe.h"
#include "app/core/PresetFile.h"
#include "app/core/Translation.h"
#include "app/link/LinkFactory.h"
#include "app/protocol/FixedParams.h"

#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

namespace v32 {

namespace {

using namespace std::chrono_literals;

constexpr std::string_view kMakeDefaultsOption = "-mkdef";
constexpr std::string_view kWaitForDataCentreOption = "-wdc";
constexpr std::string_view kDebugOn = "yes";
constexpr std::string_view kEnglish = "en";
constexpr const char* kIdentifierHeaderName = "id_32ch.h";
// Where the header sits in the source tree, seen from the build's program folder.
constexpr const char* kIdentifierHeaderInSources = "../../app/protocol/id_32ch.h";

constexpr int kDataCentreReplies = 3;
constexpr auto kDataCentreTimeout = 200ms;
constexpr auto kDataCentrePause = 200ms;
constexpr int kLocalDeviceTries = 3;
constexpr auto kLocalDeviceTimeout = 100ms;

} // namespace

Application::Application(CommandLine commandLine, StartupEnvironment environment, StartupHost* host)
    : m_commandLine(commandLine)
    , m_environment(std::move(environment))
    , m_host(host)
    , m_dispatcher(DispatcherContext{m_link, m_queue, m_model, m_conditions, m_sender, m_transfer,
                                     m_sceneImage, m_linkState, m_context.switches,
                                     m_context.constants, m_udpTarget, m_wakeup, m_clock,
                                     m_context.identifierNames, m_environment.log, m_listeners}) {}

int Application::run() {
    if (m_host != nullptr && m_host->factoryKeyHeld()) {
        m_context.factoryMode = true;
    }
    PresetFile(m_environment.presetPath).ensureValid();
    if (const std::optional<int> exitCode = runEarlyOptions()) {
        return *exitCode;
    }
    if (!configureDebugging()) {
        return 0;
    }
    if (m_host != nullptr && splashEnabled()) {
        m_host->showSplash();
    }
    // The resource disk, the drawing library and the window come up here, between the
    // splash and application start, once the desktop host provides them.
    return start();
}

std::optional<int> Application::runEarlyOptions() {
    for (const std::string_view argument : m_commandLine.arguments()) {
        if (argument == kMakeDefaultsOption) {
            PresetFile(m_environment.presetPath).ensureValid();
            return 0;
        }
        if (argument == kWaitForDataCentreOption) {
            waitForDataCentre();
        }
    }
    return std::nullopt;
}

// Blocks until the data centre has answered three probes: it is started alongside the
// program and may not be listening yet.
void Application::waitForDataCentre() {
    std::fprintf(m_environment.log, "waiting datacenter...\n");
    std::fflush(m_environment.log);
    LocalDataCentreProbe probe(m_environment.probePorts);
    if (!probe.open()) {
        std::fprintf(m_environment.log, "error!\n");
        return;
    }
    for (int replies = 0; replies < kDataCentreReplies;) {
        if (probe.probe(kDataCentreTimeout)) {
            ++replies;
            std::this_thread::sleep_for(kDataCentrePause);
        }
    }
    std::fprintf(m_environment.log, "ok!\n");
}

// False when the user leaves the debug chooser, which ends the program.
bool Application::configureDebugging() {
    const ConfigValue debug = NativeConfig(m_environment.configPath).readDebug();
    if (debug.view() != kDebugOn || m_host == nullptr) {
        return true;
    }
    return m_host->chooseDebugSettings(m_context.switches, m_context.serial);
}

int Application::start() {
    m_context.constants = parseProductConstants();
    if (programHasFactoryMarker()) {
        m_context.factoryMode = true;
    }
    if (m_context.switches.print_writes) {
        parseIdentifierHeader();
    }
    selectConfiguredLanguage();
    probeLocalDevice();
    std::fprintf(m_environment.log, "parsing cmdline...\n");
    if (const std::optional<int> exitCode =
            m_commandLine.applyOptions(m_context, m_environment.log)) {
        return *exitCode;
    }
    std::fprintf(m_environment.log, "parse cmdline finished!\n");
    initialise();
    return runWindow();
}

// The identifier tables are built into the program, the defaults and the store filled and
// the scenes named when their objects are made; what is left depends on the configuration.
void Application::initialise() {
    m_conditions.localDevice = m_context.localDevice;
    const LinkFactory links(m_context.serial, m_udpTarget, m_wakeup, m_clock, m_dump,
                            m_environment.log, m_environment.mixerUdpPort);
    m_transport = links.create(kBuiltLinkType);
    m_link.attach(*m_transport);
    m_link.open();
}

int Application::runWindow() {
    if (!m_windowSetup) {
        return 0;
    }
    if (!m_windowSetup(*this)) {
        return -1;
    }
    m_mainLoop.enableDispatch();
    m_supervisor.start();
    m_mainLoop.run();
    return 0;
}

void Application::parseIdentifierHeader() {
    std::filesystem::path header = m_environment.headerDirectory / kIdentifierHeaderName;
    std::error_code error;
    if (!std::filesystem::exists(header, error)) {
        header = m_environment.headerDirectory / kIdentifierHeaderInSources;
        if (!std::filesystem::exists(header, error)) {
            return;
        }
    }
    m_context.identifierNames.parseFile(header.string());
    const bool parsed = m_context.identifierNames.nameOf(FixedParam::kLastNamedParam) ==
                        IdentifierHeader::kLastName;
    std::fprintf(m_environment.log, "parse id enum %s!!!!\n", parsed ? "success" : "fail");
}

void Application::selectConfiguredLanguage() {
    installLanguages();
    m_context.language = NativeConfig(m_environment.configPath).readLanguage();
    selectLanguage(m_context.language.text.data());
    m_context.english = m_context.language.view() == kEnglish;
}

void Application::probeLocalDevice() {
    LocalDataCentreProbe probe(m_environment.probePorts);
    bool found = false;
    if (probe.open()) {
        for (int i = 0; i < kLocalDeviceTries && !found; ++i) {
            found = probe.probe(kLocalDeviceTimeout);
        }
    }
    m_context.localDevice = found;
    std::fprintf(m_environment.log, "local device: %s\r\n", found ? "true" : "false");
}

} // namespace v32
