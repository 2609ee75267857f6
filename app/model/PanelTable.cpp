#include "app/model/PanelTable.h"

namespace v32 {

std::uint16_t PanelTable::position(int entry) const {
    return isEntry(entry) ? m_positions[static_cast<std::size_t>(entry)] : 0;
}

void PanelTable::storeAndSend(int entry, std::uint16_t value) {
    if (!isEntry(entry)) {
        return;
    }
    m_positions[static_cast<std::size_t>(entry)] = value & kPositionMask;
    m_pending.mark(static_cast<std::size_t>(entry));
}

void PanelTable::acknowledge(int entry, std::uint16_t position) {
    if (isEntry(entry) && m_positions[static_cast<std::size_t>(entry)] == position) {
        m_pending.clear(static_cast<std::size_t>(entry));
    }
}

void PanelTable::forget(int entry) {
    if (isEntry(entry)) {
        m_pending.clear(static_cast<std::size_t>(entry));
    }
}

} // namespace v32
