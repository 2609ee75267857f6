#pragma once

#include "app/model/PendingSet.h"
#include "app/protocol/FaderLevel.h"

#include <array>
#include <cstdint>

namespace v32 {

// Fader positions mirrored to the hardware control panel: entry e is panel identifier
// 104 + e and holds the level bits of the fader it mirrors.
class PanelTable {
public:
    static constexpr int kEntryCount = 51;
    static constexpr std::uint16_t kFirstPanelId = 104;
    static constexpr std::uint16_t kPositionMask = FaderLevel::kLevelMask;

    using EntrySet = PendingSet<kEntryCount>;

    static bool isEntry(int entry) { return entry >= 0 && entry < kEntryCount; }

    std::uint16_t position(int entry) const;
    // Stores the 14 position bits of `value` and queues the entry for the panel.
    void storeAndSend(int entry, std::uint16_t value);
    // The panel confirmed `position`: the repeats stop only when it is the one held now.
    void acknowledge(int entry, std::uint16_t position);
    // The panel itself moved this fader, so the position must not be echoed back.
    void forget(int entry);

    EntrySet& pending() { return m_pending; }
    const EntrySet& pending() const { return m_pending; }

private:
    std::array<std::uint16_t, kEntryCount> m_positions{};
    EntrySet m_pending;
};

} // namespace v32
