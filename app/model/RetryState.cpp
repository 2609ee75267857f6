#include "app/model/RetryState.h"

namespace v32 {

void RetryState::setPacing(int sends, int ticks) {
    const unsigned pacing =
        (static_cast<unsigned>(sends) << kSendsShift) | static_cast<unsigned>(ticks);
    m_bits = static_cast<std::uint8_t>((m_bits & ~kPacingMask) | (pacing & kPacingMask));
}

void RetryState::mark() {
    setPacing(kSendsPerMark, 0);
}

void RetryState::clear() {
    setPacing(0, 0);
}

RetryState::Tick RetryState::advance() {
    if (ticksToWait() != 0) {
        setPacing(sendsLeft(), ticksToWait() - 1);
        return Tick::Wait;
    }
    // A count of 0 or 1 both end here, so a corrupted count can never wrap into seven
    // more repeats.
    if (sendsLeft() > 1) {
        setPacing(sendsLeft() - 1, kTicksBetweenSends);
        return Tick::Send;
    }
    clear();
    return Tick::SendLast;
}

} // namespace v32
