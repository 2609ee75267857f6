#pragma once

#include "app/model/Channel.h"
#include "app/model/ChannelSlot.h"

#include <array>
#include <cstdint>

namespace v32 {

// How a fader bank fills the overview's grid of 7 x 2 cells. The bank's channels are
// grouped by kind, keeping their order within a kind, and fill the grid left to right; a
// second kind that would still begin on the first row begins the second row instead, so
// that the stereo inputs of "ST-FX" stand above its effect returns.
class BankLayout {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 2;
    static constexpr int kCellCount = kColumns * kRows;
    static constexpr std::uint8_t kNoCell = 0xFF;

    // A bank outside 0..4 gives an empty layout.
    explicit BankLayout(int bank);

    int bank() const { return m_bank; }
    // Kind KindNone for a cell without a channel.
    Channel channelAt(int cell) const;
    // -1 when the slot has no cell in this layout.
    int cellOfSlot(int slot) const;

private:
    int m_bank = -1;
    std::array<Channel, kCellCount> m_cells{};
    std::array<std::uint8_t, ChannelSlot::kCount> m_slotToCell{};
};

} // namespace v32
