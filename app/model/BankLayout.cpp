#include "app/model/BankLayout.h"

#include "app/model/BankTable.h"
#include "app/model/ChannelSlot.h"

#include <algorithm>
#include <span>

namespace v32 {

namespace {

// A bubble sort by kind: stable, so channels of one kind keep the bank's order.
void sortByKind(std::span<Channel> channels) {
    for (std::size_t pass = 1; pass < channels.size(); ++pass) {
        for (std::size_t i = 0; i + pass < channels.size(); ++i) {
            if (channels[i].kind > channels[i + 1].kind) {
                std::swap(channels[i], channels[i + 1]);
            }
        }
    }
}

} // namespace

BankLayout::BankLayout(int bank) {
    m_slotToCell.fill(kNoCell);
    const Bank* entries = BankTable::bank(bank);
    if (entries == nullptr) {
        return;
    }
    m_bank = bank;
    // The grid has as many cells as the largest bank has channels.
    std::array<Channel, kCellCount> sorted{};
    const std::size_t count = std::min(entries->channels.size(), sorted.size());
    std::copy_n(entries->channels.begin(), count, sorted.begin());
    const std::span<Channel> channels(sorted.data(), count);
    sortByKind(channels);
    int cell = 0;
    for (const Channel& channel : channels) {
        if (channel.kind != channels.front().kind && cell < kColumns) {
            cell = kColumns;
        }
        if (cell >= kCellCount) {
            break;
        }
        m_cells[static_cast<std::size_t>(cell)] = channel;
        const int slot = ChannelSlot::of(channel);
        if (slot >= 0) {
            m_slotToCell[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(cell);
        }
        ++cell;
    }
}

Channel BankLayout::channelAt(int cell) const {
    if (cell < 0 || cell >= kCellCount) {
        return {};
    }
    return m_cells[static_cast<std::size_t>(cell)];
}

int BankLayout::cellOfSlot(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(m_slotToCell.size())) {
        return -1;
    }
    const std::uint8_t cell = m_slotToCell[static_cast<std::size_t>(slot)];
    return cell == kNoCell ? -1 : cell;
}

} // namespace v32
