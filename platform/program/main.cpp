#include "app/core/Application.h"
#include "platform/DesktopShell.h"
#include "platform/DisplayAvailability.h"
#include "platform/QtStartupHost.h"

#include <QApplication>
#include <cstddef>
#include <cstdio>

namespace {

constexpr int kNoDisplayExitCode = 2;

// Without a display the start-up still runs up to the window, so that -mkdef, -wdc and the
// option checks work on a machine without one; only the window itself is refused.
int runWithoutDisplay(const v32::CommandLine& commandLine,
                      const v32::StartupEnvironment& environment) {
    v32::Application application(commandLine, environment, nullptr);
    bool windowRefused = false;
    application.setWindowSetup([&windowRefused](v32::Application&) {
        std::fputs(v32::DisplayAvailability::kNoDisplayMessage, stderr);
        windowRefused = true;
        return false;
    });
    const int exitCode = application.run();
    return windowRefused ? kNoDisplayExitCode : exitCode;
}

} // namespace

int main(int argc, char** argv) {
    // The log is read while the program runs, often through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* const* arguments = argv;
    // argv[0] is the program's name, when there is one at all.
    const std::size_t skipped = argc > 0 ? 1 : 0;
    const v32::CommandLine commandLine(
        {arguments + skipped, static_cast<std::size_t>(argc) - skipped});
    const v32::StartupEnvironment environment;
    if (!v32::DisplayAvailability::hasDisplay()) {
        return runWithoutDisplay(commandLine, environment);
    }
    // Touches are taken as the pointer, as on the mixer's panel.
    QApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, true);
    QApplication qtApplication(argc, argv);

    v32::QtStartupHost host;
    v32::Application application(commandLine, environment, &host);
    v32::DesktopShell shell(environment);
    application.setWindowSetup([&shell](v32::Application& started) { return shell.open(started); });
    return application.run();
}
