#include "app/core/TimerQueue.h"

#include <utility>

namespace v32 {

TimerQueue::TimerQueue(const Clock& clock)
    : clock_(clock) {}

TimerQueue::Handle TimerQueue::startPeriodic(std::uint32_t periodMs, Callback callback) {
    return start(periodMs, false, std::move(callback));
}

TimerQueue::Handle TimerQueue::startOneShot(std::uint32_t delayMs, Callback callback) {
    return start(delayMs, true, std::move(callback));
}

TimerQueue::Handle TimerQueue::start(std::uint32_t periodMs, bool oneShot, Callback callback) {
    if (!callback) {
        return {};
    }
    for (std::uint16_t index = 0; index < kCapacity; ++index) {
        Slot& slot = slots_[index];
        if (slot.inUse) {
            continue;
        }
        // Generation 0 marks the invalid handle, so it is skipped when the counter wraps.
        slot.generation = static_cast<std::uint16_t>(slot.generation + 1);
        if (slot.generation == 0) {
            slot.generation = 1;
        }
        slot.callback = std::move(callback);
        slot.periodMs = periodMs;
        slot.lastRunMs = clock_.nowMs();
        slot.inUse = true;
        slot.oneShot = oneShot;
        slot.armed = true;
        slot.paused = false;
        return {index, slot.generation};
    }
    return {};
}

TimerQueue::Slot* TimerQueue::find(Handle timer) {
    return const_cast<Slot*>(std::as_const(*this).find(timer));
}

const TimerQueue::Slot* TimerQueue::find(Handle timer) const {
    if (!timer.isValid() || timer.slot >= kCapacity) {
        return nullptr;
    }
    const Slot& slot = slots_[timer.slot];
    return slot.inUse && slot.generation == timer.generation ? &slot : nullptr;
}

bool TimerQueue::remove(Handle timer) {
    Slot* slot = find(timer);
    if (slot == nullptr) {
        return false;
    }
    slot->inUse = false;
    // While the timer's own callback runs, fire() holds the callback; it is dropped there.
    slot->callback = nullptr;
    return true;
}

bool TimerQueue::pause(Handle timer) {
    Slot* slot = find(timer);
    if (slot == nullptr) {
        return false;
    }
    slot->paused = true;
    return true;
}

bool TimerQueue::resume(Handle timer) {
    Slot* slot = find(timer);
    if (slot == nullptr) {
        return false;
    }
    slot->paused = false;
    return true;
}

bool TimerQueue::restart(Handle timer) {
    Slot* slot = find(timer);
    if (slot == nullptr) {
        return false;
    }
    slot->lastRunMs = clock_.nowMs();
    slot->armed = true;
    return true;
}

bool TimerQueue::setPeriod(Handle timer, std::uint32_t periodMs) {
    Slot* slot = find(timer);
    if (slot == nullptr) {
        return false;
    }
    slot->periodMs = periodMs;
    return true;
}

bool TimerQueue::contains(Handle timer) const {
    return find(timer) != nullptr;
}

bool TimerQueue::isArmed(Handle timer) const {
    const Slot* slot = find(timer);
    return slot != nullptr && slot->armed && !slot->paused;
}

std::size_t TimerQueue::count() const {
    std::size_t used = 0;
    for (const Slot& slot : slots_) {
        used += slot.inUse ? 1 : 0;
    }
    return used;
}

bool TimerQueue::isDue(const Slot& slot, std::uint32_t nowMs) const {
    return slot.inUse && slot.armed && !slot.paused &&
           Clock::elapsed(slot.lastRunMs, nowMs) >= slot.periodMs;
}

void TimerQueue::process() {
    // One look at the clock and one pass over the slots: a timer fires at most once per call,
    // and a timer started or restarted by a callback counts its period from this same tick.
    const std::uint32_t nowMs = clock_.nowMs();
    for (std::uint16_t index = 0; index < kCapacity; ++index) {
        if (isDue(slots_[index], nowMs)) {
            fire(index, nowMs);
        }
    }
}

void TimerQueue::fire(std::uint16_t index, std::uint32_t nowMs) {
    Slot& slot = slots_[index];
    const Handle self{index, slot.generation};
    slot.lastRunMs = nowMs;
    if (slot.oneShot) {
        slot.armed = false;
    }
    // The callback may remove its own timer or start others in this slot; holding it here
    // keeps it alive until it returns.
    Callback running = std::move(slot.callback);
    slot.callback = nullptr;
    running(self);
    if (find(self) != nullptr) {
        slots_[index].callback = std::move(running);
    }
}

} // namespace v32
