#include "platform/WheelEncoder.h"

#include "app/link/ListenerRegistry.h"
#include "app/link/PageListener.h"

#include <cstdlib>

namespace v32 {

void WheelEncoder::turn(int angleDelta) {
    m_partialDelta += angleDelta;
    const int steps = m_partialDelta / kDeltaPerStep;
    if (steps == 0) {
        return;
    }
    m_partialDelta -= steps * kDeltaPerStep;
    m_pendingSteps = steps;
}

int WheelEncoder::takeSteps() {
    const int steps = m_pendingSteps;
    m_pendingSteps = 0;
    return steps;
}

void WheelEncoder::deliverTo(const ListenerRegistry& listeners) {
    const int steps = takeSteps();
    const int pageStep = steps < 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i) {
        listeners.call(&PageListener::pageEncoder, kEncoder, pageStep);
    }
}

} // namespace v32
