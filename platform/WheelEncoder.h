#pragma once

#include <cstdint>

namespace v32 {

class ListenerRegistry;

// The mouse wheel as the program's encoder 0. Each read hands over the steps of the last
// wheel movement; a movement that arrives before the previous one was read replaces it, so a
// busy pass never lets a backlog of steps run on after the user has stopped.
class WheelEncoder {
public:
    static constexpr int kEncoder = 0;
    // One notch of a mouse wheel; turning it away from the user is a positive delta, which
    // reads as a negative step.
    static constexpr int kDeltaPerStep = -120;

    // angleDelta is the wheel's vertical angle in eighths of a degree. Finer wheels and
    // touchpads report fractions of a notch; they add up until a whole step is reached.
    void turn(int angleDelta);

    // The steps not yet read; zero afterwards.
    int takeSteps();

    // Passes the pending steps to the page on screen, one call per step as a key per step
    // would, with the page's sign: a negative step increments.
    void deliverTo(const ListenerRegistry& listeners);

private:
    int m_pendingSteps = 0;
    int m_partialDelta = 0;
};

} // namespace v32
