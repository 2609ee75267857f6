#include "app/core/Application.h"

#include <cstddef>
#include <cstdio>

int main(int argc, char** argv) {
    // The log is read while the program runs, often through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* const* arguments = argv;
    // argv[0] is the program's name, when there is one at all.
    const std::size_t skipped = argc > 0 ? 1 : 0;
    const v32::CommandLine commandLine(
        {arguments + skipped, static_cast<std::size_t>(argc) - skipped});
    v32::Application application(commandLine, v32::StartupEnvironment{});
    return application.run();
}
