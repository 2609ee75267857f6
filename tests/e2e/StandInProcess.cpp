#include "tests/e2e/StandInProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace v32::e2e {

namespace {

using Steady = std::chrono::steady_clock;

constexpr std::string_view kUdpLine = "velmar32-dc: udp 127.0.0.1:";
constexpr std::string_view kTcpLine = "velmar32-dc: tcp 127.0.0.1:";
constexpr std::string_view kReadyLine = "velmar32-dc: ready";

std::uint16_t portAfter(const std::string& line, std::string_view prefix) {
    return static_cast<std::uint16_t>(std::stoul(line.substr(prefix.size())));
}

int remainingMs(Steady::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

} // namespace

std::filesystem::path StandInProcess::programPath() {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return self.parent_path().parent_path() / "tools" / "velmar32-dc" / "velmar32-dc";
}

StandInProcess::StandInProcess(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return;
    }
    m_output.reset(pipeEnds[0]);
    FileDescriptor childOutput(pipeEnds[1]);

    const std::string program = programPath().string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, childOutput.get(), STDOUT_FILENO);
    const int spawned =
        ::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    // Only the child may hold the writing end, so that its end is the end of the output.
    childOutput.reset();
    if (spawned != 0) {
        m_pid = -1;
        return;
    }
    readUntilReady();
}

StandInProcess::~StandInProcess() {
    stop();
}

// Reads its lines until it says it is ready, it ends, or the patience runs out.
void StandInProcess::readUntilReady() {
    const auto deadline = Steady::now() + kStartPatience;
    std::string pending;
    while (!m_ready) {
        pollfd readable{m_output.get(), POLLIN, 0};
        if (::poll(&readable, 1, remainingMs(deadline)) <= 0) {
            return;
        }
        char buffer[256];
        const ssize_t received = ::read(m_output.get(), buffer, sizeof buffer);
        if (received <= 0) {
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(received));
        for (std::size_t end = pending.find('\n'); end != std::string::npos;
             end = pending.find('\n')) {
            takeLine(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
    }
}

void StandInProcess::takeLine(const std::string& line) {
    if (line.starts_with(kUdpLine)) {
        m_udpPort = portAfter(line, kUdpLine);
    } else if (line.starts_with(kTcpLine)) {
        m_tcpPort = portAfter(line, kTcpLine);
    } else if (line.starts_with(kReadyLine)) {
        m_ready = true;
    }
}

std::optional<int> StandInProcess::stop() {
    if (m_pid <= 0) {
        return std::nullopt;
    }
    const pid_t child = m_pid;
    m_pid = -1;
    ::kill(child, SIGTERM);
    const auto deadline = Steady::now() + kStopPatience;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (Steady::now() >= deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_output.reset();
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

} // namespace v32::e2e
