#pragma once

#include "app/link/FileDescriptor.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace v32::e2e {

// The stand-in program as a child process, for tests in which the data centre goes away
// and comes back on the same port the way a restarted one would. The child reads no
// commands; it is ready once it has printed where it listens.
class StandInProcess {
public:
    static constexpr std::chrono::milliseconds kStartPatience{10000};
    static constexpr std::chrono::milliseconds kStopPatience{5000};

    // The program beside this test program's build folder.
    static std::filesystem::path programPath();

    // arguments follow the program name, e.g. {"--no-tcp", "--udp-port", "0"}.
    explicit StandInProcess(const std::vector<std::string>& arguments);
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    // It has printed its ports and its ready line.
    bool isReady() const { return m_ready; }
    // 0 for a transport it does not serve.
    std::uint16_t udpPort() const { return m_udpPort; }
    std::uint16_t tcpPort() const { return m_tcpPort; }

    // Asks it to stop and waits for it; its exit status, or nothing when it had to be
    // killed or was never started.
    std::optional<int> stop();

private:
    void readUntilReady();
    void takeLine(const std::string& line);

    pid_t m_pid = -1;
    FileDescriptor m_output;
    bool m_ready = false;
    std::uint16_t m_udpPort = 0;
    std::uint16_t m_tcpPort = 0;
};

} // namespace v32::e2e
