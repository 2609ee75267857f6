#include "app/core/SteadyClock.h"
#include "tools/velmar32-dc/ControlConsole.h"
#include "tools/velmar32-dc/ProgramOptions.h"
#include "tools/velmar32-dc/StandIn.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void requestStop(int) {
    stopRequested = true;
}

void installSignalHandlers() {
    static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the loop's wait returns at once and sees the flag.
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// A background job that read the terminal would be stopped by the shell (SIGTTIN).
bool mayReadConsole() {
    return !::isatty(STDIN_FILENO) || ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
}

void printMediaDisk(v32::dc::StandIn& standIn) {
    if (const v32::dc::MediaSimulator* media = standIn.media()) {
        const v32::dc::UsbDisk& disk = *media->player().disk();
        std::printf("velmar32-dc: media disk with %zu songs in %zu folders\n", disk.songCount(),
                    disk.folderCount());
    }
}

void printEndpoints(const v32::dc::StandIn& standIn) {
    if (standIn.udpEndpoint().port != 0) {
        std::printf("velmar32-dc: udp %s\n", standIn.udpEndpoint().toString().c_str());
    }
    if (standIn.udpBroadcastEndpoint().port != 0) {
        std::printf("velmar32-dc: discovery %s\n",
                    standIn.udpBroadcastEndpoint().toString().c_str());
    }
    if (standIn.tcpEndpoint().port != 0) {
        std::printf("velmar32-dc: tcp %s\n", standIn.tcpEndpoint().toString().c_str());
    }
    if (!standIn.serialPath().empty()) {
        std::printf("velmar32-dc: serial %s\n", standIn.serialPath().c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    // Lines reach a reading test or script at once, even through a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const v32::dc::ProgramOptions::Parsed parsed = v32::dc::ProgramOptions::parse(arguments);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "velmar32-dc: %s (try --help)\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(v32::dc::ProgramOptions::usage().data(), stdout);
        return 0;
    }
    installSignalHandlers();

    const v32::SteadyClock clock;
    v32::dc::StandIn standIn(parsed.options, clock);
    std::string error;
    if (!standIn.start(error)) {
        std::fprintf(stderr, "velmar32-dc: %s\n", error.c_str());
        return 1;
    }
    v32::dc::ControlConsole console(standIn.commands(), stopRequested);
    const bool withConsole = parsed.options.console && mayReadConsole();
    if (withConsole) {
        standIn.loop().add(console);
    }
    printEndpoints(standIn);
    printMediaDisk(standIn);
    const v32::dc::DataCentreConfig& mixer = parsed.options.mixer;
    std::printf("velmar32-dc: ready, device \"%s\", product 0x%04X, model 0x%02X%s\n",
                mixer.deviceName.c_str(), mixer.productId, mixer.modelCode,
                withConsole ? "; type help for commands" : "");

    standIn.run(stopRequested);
    std::printf("velmar32-dc: stopped\n");
    return 0;
}
