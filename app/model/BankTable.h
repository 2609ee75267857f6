#pragma once

#include "app/model/Channel.h"

#include <span>
#include <string_view>

namespace v32 {

// One fader bank: its tab caption and the channels of its strips, left to right.
struct Bank {
    std::string_view name;
    std::span<const Channel> channels;
};

// The five fader banks of the home pages and of the control-panel strips, and where each
// channel slot sits in them.
class BankTable {
public:
    static constexpr int kBankCount = 5;

    static std::span<const Bank> banks();
    // Null outside 0..4.
    static const Bank* bank(int index);
    // -1 when the slot is in no bank (MAIN, the right halves of the stereo inputs, empty
    // slots).
    static int bankOfSlot(int slot);
    // The slot's strip position within its bank, -1 when it is in no bank.
    static int cellOfSlot(int slot);
};

} // namespace v32
