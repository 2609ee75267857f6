#pragma once

#include "app/core/Clock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace v32 {

// Periodic and one-shot timers driven by process() from the main loop. A timer is due when
// its period has passed since it last ran; a due timer fires once per process() call however
// late it is, and counts its next period from that moment. A one-shot timer that has fired
// stays allocated but idle until restart() arms it again or remove() frees it, so a burst of
// changes can be coalesced by restarting one timer.
class TimerQueue {
public:
    static constexpr std::size_t kCapacity = 64;

    // Names one timer. A handle goes stale when its timer is removed; every call with a
    // stale or invalid handle fails and changes nothing, even after the slot is reused.
    struct Handle {
        std::uint16_t slot = 0;
        std::uint16_t generation = 0;

        bool isValid() const { return generation != 0; }
        bool operator==(const Handle&) const = default;
    };

    using Callback = std::function<void(Handle)>;

    explicit TimerQueue(const Clock& clock);

    // Both return an invalid handle when all kCapacity timers are in use or the callback is
    // empty.
    Handle startPeriodic(std::uint32_t periodMs, Callback callback);
    Handle startOneShot(std::uint32_t delayMs, Callback callback);

    // Safe from inside any callback, the timer's own included.
    bool remove(Handle timer);

    // A paused timer keeps its period and last run; once resumed it fires as soon as that
    // period has passed, at the next process() if it is already overdue.
    bool pause(Handle timer);
    bool resume(Handle timer);

    // Counts the period again from now and arms a one-shot that has already fired.
    bool restart(Handle timer);

    // Takes effect from the timer's last run; the timer is not re-based.
    bool setPeriod(Handle timer, std::uint32_t periodMs);

    bool contains(Handle timer) const;
    // True when the timer exists, is not paused, and (for a one-shot) has not fired yet.
    bool isArmed(Handle timer) const;
    std::size_t count() const;

    void process();

private:
    struct Slot {
        Callback callback;
        std::uint32_t periodMs = 0;
        std::uint32_t lastRunMs = 0;
        std::uint16_t generation = 0;
        bool inUse = false;
        bool oneShot = false;
        bool armed = false;
        bool paused = false;
    };

    Handle start(std::uint32_t periodMs, bool oneShot, Callback callback);
    Slot* find(Handle timer);
    const Slot* find(Handle timer) const;
    bool isDue(const Slot& slot, std::uint32_t nowMs) const;
    void fire(std::uint16_t index, std::uint32_t nowMs);

    const Clock& clock_;
    std::array<Slot, kCapacity> slots_{};
};

} // namespace v32
