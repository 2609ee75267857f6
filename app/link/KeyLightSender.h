#pragma once

#include "app/core/TimerQueue.h"
#include "app/protocol/Frame.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace v32 {

class FrameSink;
class KeyLightWords;
struct DebugSwitches;
struct ModelConditions;

// Sends the changed key-light words to the panel 50 ms after the first change, so that a
// burst of light changes costs one frame. A frame carries at most 62 words; changed words
// beyond those lose their flag unsent and go out only when they change again.
class KeyLightSender {
public:
    static constexpr std::uint32_t kDelayMs = 50;
    static constexpr std::size_t kMaxWordsPerFrame = 62;

    KeyLightSender(KeyLightWords& words, TimerQueue& timers, FrameSink& sink,
                   const ModelConditions& conditions, const DebugSwitches& switches);
    ~KeyLightSender();
    KeyLightSender(const KeyLightSender&) = delete;
    KeyLightSender& operator=(const KeyLightSender&) = delete;

    // Does nothing while a send is already scheduled.
    void schedule();
    bool isScheduled() const { return m_timer.isValid(); }

private:
    void fire();
    bool mayDrivePanel() const;

    KeyLightWords& m_words;
    TimerQueue& m_timers;
    FrameSink& m_sink;
    const ModelConditions& m_conditions;
    const DebugSwitches& m_switches;
    TimerQueue::Handle m_timer;
    // The panel's own buffer: a light frame may go out while another frame is being built
    // in the shared transmit buffer.
    std::array<std::uint8_t, kFrameCapacity> m_buffer{};
};

} // namespace v32
