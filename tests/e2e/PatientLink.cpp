#include "tests/e2e/PatientLink.h"

#include <thread>

namespace v32::e2e {

namespace {

constexpr std::chrono::milliseconds kLookAgain{1};

} // namespace

PatientLink::PatientLink(Link& transport)
    : m_transport(transport) {}

std::size_t PatientLink::poll(ReceiveQueue& queue) {
    const auto quietUntil = m_lastQuietPoll + kQuietPass;
    for (;;) {
        if (const std::size_t moved = m_transport.poll(queue); moved > 0) {
            return moved;
        }
        if (std::chrono::steady_clock::now() >= quietUntil) {
            m_lastQuietPoll = std::chrono::steady_clock::now();
            return 0;
        }
        std::this_thread::sleep_for(kLookAgain);
    }
}

} // namespace v32::e2e
