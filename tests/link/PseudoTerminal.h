#pragma once

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace v32 {

// A pseudo-terminal pair standing in for a serial device: the port under test opens the
// slave by its path, the test plays the device on the master.
class PseudoTerminal {
public:
    PseudoTerminal()
        : master_(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            const char* name = ptsname(master_);
            slavePath_ = name != nullptr ? name : "";
        }
    }
    ~PseudoTerminal() { closeMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return master_ >= 0 && !slavePath_.empty(); }
    int masterFd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

    bool write(const std::vector<std::uint8_t>& bytes) const {
        return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until count bytes have come or timeout has passed.
    std::vector<std::uint8_t>
    read(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(2)) const {
        std::vector<std::uint8_t> bytes;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd readable{master_, POLLIN, 0};
            if (::poll(&readable, 1, 10) <= 0) {
                continue;
            }
            std::uint8_t chunk[256];
            const ssize_t got = ::read(master_, chunk, sizeof chunk);
            if (got > 0) {
                bytes.insert(bytes.end(), chunk, chunk + got);
            }
        }
        return bytes;
    }

    // Hangs up the device side, as when a USB adapter is pulled.
    void closeMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

private:
    int master_;
    std::string slavePath_;
};

} // namespace v32
