#pragma once

#include "app/core/ApplicationContext.h"
#include "app/core/CommandLine.h"
#include "app/core/StartupEnvironment.h"
#include "app/core/StartupHost.h"

#include <optional>

namespace v32 {

// Brings the program up in its fixed order: preset file, early options, debug settings,
// product constants, identifier names, language, local data centre, options.
class Application {
public:
    // Without a host, the steps that need the desktop (factory key, debug chooser, splash)
    // are left out.
    Application(CommandLine commandLine, StartupEnvironment environment,
                StartupHost* host = nullptr);

    // The program's exit code.
    int run();

    const ApplicationContext& context() const { return m_context; }

private:
    std::optional<int> runEarlyOptions();
    void waitForDataCentre();
    bool configureDebugging();
    int start();
    void parseIdentifierHeader();
    void selectConfiguredLanguage();
    void probeLocalDevice();

    CommandLine m_commandLine;
    StartupEnvironment m_environment;
    StartupHost* m_host;
    ApplicationContext m_context;
};

} // namespace v32
