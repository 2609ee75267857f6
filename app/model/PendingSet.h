#pragma once

#include "app/model/RetryState.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace v32 {

// A fixed set of N outgoing entries that wait for the device: one pending bit per entry in
// 32-bit words, the repeat pacing of each entry and a work flag that stays set until a walk
// finds the set empty. The sends, reads, panel positions and names all queue this way, so a
// lost frame only costs a repeat and no entry needs a timer of its own.
template <std::size_t N>
class PendingSet {
    static_assert(N <= 0x10000, "entries are handed out as 16-bit numbers");

public:
    static constexpr std::size_t kSize = N;
    static constexpr std::size_t kWordCount = (N + 31) / 32;

    // Queues the entry (again) with a fresh set of repeats.
    void mark(std::size_t entry) {
        if (entry >= N) {
            return;
        }
        m_words[entry / 32] |= bitOf(entry);
        m_retries[entry].mark();
        m_hasWork = true;
    }

    // Gives the entry fresh repeats without queueing it.
    void resetRetry(std::size_t entry) {
        if (entry < N) {
            m_retries[entry].mark();
        }
    }

    // Stops the entry's repeats: confirmed by the device, or no longer wanted.
    void clear(std::size_t entry) {
        if (entry >= N) {
            return;
        }
        m_words[entry / 32] &= ~bitOf(entry);
        m_retries[entry].clear();
    }

    void clearAll() {
        m_words.fill(0);
        for (RetryState& retry : m_retries) {
            retry.clear();
        }
        m_hasWork = false;
    }

    bool isPending(std::size_t entry) const {
        return entry < N && (m_words[entry / 32] & bitOf(entry)) != 0;
    }

    bool isEmpty() const {
        for (const std::uint32_t word : m_words) {
            if (word != 0) {
                return false;
            }
        }
        return true;
    }

    bool hasWork() const { return m_hasWork; }
    const RetryState& retry(std::size_t entry) const { return m_retries[entry]; }

    // One tick of the entry's pacing; true when it is to be sent now. A last send also
    // removes the entry from the set.
    bool advance(std::size_t entry) {
        if (!isPending(entry)) {
            return false;
        }
        const RetryState::Tick tick = m_retries[entry].advance();
        if (tick == RetryState::Tick::SendLast) {
            m_words[entry / 32] &= ~bitOf(entry);
        }
        return tick != RetryState::Tick::Wait;
    }

    // Advances the pending entries in index order and writes the due ones into `due`,
    // stopping once `due` is full or `maxAdvanced` entries were advanced. `skipped` names
    // an entry the caller has advanced already in this tick. A walk that finds no pending
    // entry at all clears the work flag. Returns the number of due entries.
    std::size_t collectDue(std::span<std::uint16_t> due, std::size_t maxAdvanced,
                           std::size_t skipped = N) {
        if (!m_hasWork) {
            return 0;
        }
        std::size_t dueCount = 0;
        std::size_t advanced = 0;
        bool sawPending = false;
        for (std::size_t word = 0; word < kWordCount; ++word) {
            std::uint32_t bits = m_words[word];
            sawPending = sawPending || bits != 0;
            while (bits != 0) {
                if (dueCount == due.size() || advanced == maxAdvanced) {
                    return dueCount;
                }
                const std::size_t entry =
                    word * 32 + static_cast<std::size_t>(std::countr_zero(bits));
                bits &= bits - 1;
                if (entry == skipped) {
                    continue;
                }
                ++advanced;
                if (advance(entry)) {
                    due[dueCount++] = static_cast<std::uint16_t>(entry);
                }
            }
        }
        if (!sawPending) {
            m_hasWork = false;
        }
        return dueCount;
    }

private:
    static constexpr std::uint32_t bitOf(std::size_t entry) { return 1U << (entry % 32); }

    std::array<std::uint32_t, kWordCount> m_words{};
    std::array<RetryState, N> m_retries{};
    bool m_hasWork = false;
};

} // namespace v32
