#pragma once

#include "tools/velmar32-dc/ControlCommands.h"
#include "tools/velmar32-dc/Pollable.h"

#include <atomic>
#include <cstdio>
#include <string>

namespace v32::dc {

// Line commands from standard input (or any descriptor), each answered on the output. At
// the end of the input the console falls silent and the stand-in goes on running; "quit"
// sets the stop flag.
class ControlConsole final : public Pollable {
public:
    static constexpr std::size_t kMaxLineLength = 256;

    ControlConsole(ControlCommands& commands, std::atomic<bool>& stop, int inputFd = 0,
                   std::FILE* out = stdout);

    void addPollFds(std::vector<pollfd>& fds) override;
    void onPolled(std::span<const pollfd> fds) override;

private:
    void readInput();
    void runLine();

    ControlCommands& commands_;
    std::atomic<bool>& stop_;
    int inputFd_;
    std::FILE* out_;
    std::string line_;
    bool overlong_ = false;
};

} // namespace v32::dc
