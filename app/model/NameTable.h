#pragma once

#include "app/model/PendingSet.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace v32 {

// Count names of at most 31 characters in 32-byte slots, with the reads and writes that wait
// for the device. The write set may be larger than the table because the device confirms
// writes of slots that the table does not hold.
template <std::size_t Count, std::size_t WriteCount = Count>
class NameTable {
public:
    static constexpr std::size_t kCount = Count;
    static constexpr std::size_t kSlotSize = 32;
    static constexpr std::size_t kMaxLength = kSlotSize - 1;

    static bool isSlot(int slot) { return slot >= 0 && static_cast<std::size_t>(slot) < Count; }

    // The text up to its first NUL; empty for a slot the table does not hold.
    std::string_view text(int slot) const {
        if (!isSlot(slot)) {
            return {};
        }
        const Slot& stored = m_slots[static_cast<std::size_t>(slot)];
        const auto end = std::find(stored.begin(), stored.end(), '\0');
        return {stored.data(), static_cast<std::size_t>(end - stored.begin())};
    }

    // Keeps at most 31 characters; returns false for a slot the table does not hold.
    bool store(int slot, std::string_view text) {
        if (!isSlot(slot)) {
            return false;
        }
        Slot& stored = m_slots[static_cast<std::size_t>(slot)];
        stored.fill('\0');
        std::copy_n(text.begin(), std::min(text.size(), kMaxLength), stored.begin());
        return true;
    }

    PendingSet<Count>& requests() { return m_requests; }
    const PendingSet<Count>& requests() const { return m_requests; }
    PendingSet<WriteCount>& writes() { return m_writes; }
    const PendingSet<WriteCount>& writes() const { return m_writes; }

private:
    static_assert(WriteCount >= Count, "every slot can be written");
    using Slot = std::array<char, kSlotSize>;

    std::array<Slot, Count> m_slots{};
    PendingSet<Count> m_requests;
    PendingSet<WriteCount> m_writes;
};

} // namespace v32
