#pragma once

#include "app/core/ManualClock.h"
#include "tests/e2e/Transport.h"
#include "tools/velmar32-dc/ProgramOptions.h"
#include "tools/velmar32-dc/StandIn.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>

namespace v32::e2e {

// The stand-in data centre in this process, on loopback ports, served by a thread of its
// own. Its clock stands still, so the live data keep the values a full read takes and
// nothing changes unless a client changes it. The stand-in is touched only on its own
// thread: the test hands work over with call() and gets the result back.
class StandInThread {
public:
    // Both transports on free ports, no console.
    static dc::ProgramOptions onFreePorts();

    explicit StandInThread(const dc::ProgramOptions& options = onFreePorts());
    ~StandInThread();
    StandInThread(const StandInThread&) = delete;
    StandInThread& operator=(const StandInThread&) = delete;

    // False when a transport could not be opened; startError() says which and why.
    bool isServing() const { return m_server.joinable(); }
    const std::string& startError() const { return m_startError; }
    std::uint16_t udpPort() const { return m_standIn.udpEndpoint().port; }
    std::uint16_t tcpPort() const { return m_standIn.tcpEndpoint().port; }
    std::uint16_t portFor(Transport transport) const {
        return transport == Transport::Udp ? udpPort() : tcpPort();
    }

    // Runs work(StandIn&) on the stand-in's thread between two rounds of its loop.
    template <typename Work>
    auto call(Work work) -> std::invoke_result_t<Work&, dc::StandIn&> {
        using Result = std::invoke_result_t<Work&, dc::StandIn&>;
        if constexpr (std::is_void_v<Result>) {
            runOnServer([&] { work(m_standIn); });
        } else {
            std::optional<Result> result;
            runOnServer([&] { result.emplace(work(m_standIn)); });
            return std::move(*result);
        }
    }

private:
    void serve();
    void runOnServer(const std::function<void()>& work);
    void runHandedOverWork();

    ManualClock m_clock;
    dc::StandIn m_standIn;
    std::string m_startError;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_workDone;
    const std::function<void()>* m_work = nullptr;
    std::thread m_server;
};

} // namespace v32::e2e
