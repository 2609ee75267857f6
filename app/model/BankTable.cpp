#include "app/model/BankTable.h"

#include "app/model/ChannelSlot.h"

#include <array>

namespace v32 {

namespace {

template <std::size_t N>
constexpr std::array<Channel, N> countingChannels(int kind, int firstIndex) {
    std::array<Channel, N> channels{};
    for (std::size_t i = 0; i < N; ++i) {
        channels[i] = {kind, firstIndex + static_cast<int>(i)};
    }
    return channels;
}

constexpr auto kLowInputs = countingChannels<14>(KindInput, 0);
constexpr auto kHighInputs = countingChannels<14>(KindInput, 14);
constexpr std::array<Channel, 7> kStereoAndEffects{{
    {KindInput, 28},
    {KindInput, 30},
    {KindEffect, 0},
    {KindEffect, 1},
    {KindEffect, 2},
    {KindEffect, 3},
    {KindInput, 32},
}};
constexpr auto kAuxBuses = countingChannels<14>(KindBus, 0);
constexpr auto kDcas = countingChannels<8>(KindDca, 0);

constexpr std::array<Bank, BankTable::kBankCount> kBanks{{
    {"CH1-14", kLowInputs},
    {"CH15-28", kHighInputs},
    {"ST-FX", kStereoAndEffects},
    {"AUX1-14", kAuxBuses},
    {"DCA1-8", kDcas},
}};

// Where each slot sits: bank and strip position, both -1 when it is in no bank.
struct SlotPlace {
    int bank = -1;
    int cell = -1;
};

std::array<SlotPlace, ChannelSlot::kCount> buildSlotPlaces() {
    std::array<SlotPlace, ChannelSlot::kCount> places{};
    for (std::size_t bank = 0; bank < kBanks.size(); ++bank) {
        const std::span<const Channel> channels = kBanks[bank].channels;
        for (std::size_t cell = 0; cell < channels.size(); ++cell) {
            const int slot = ChannelSlot::of(channels[cell]);
            places[static_cast<std::size_t>(slot)] = {static_cast<int>(bank),
                                                      static_cast<int>(cell)};
        }
    }
    return places;
}

const SlotPlace& placeOf(int slot) {
    static const std::array<SlotPlace, ChannelSlot::kCount> places = buildSlotPlaces();
    static constexpr SlotPlace kNowhere{};
    return slot >= 0 && slot < ChannelSlot::kCount ? places[static_cast<std::size_t>(slot)]
                                                   : kNowhere;
}

} // namespace

std::span<const Bank> BankTable::banks() {
    return kBanks;
}

const Bank* BankTable::bank(int index) {
    return index >= 0 && index < kBankCount ? &kBanks[static_cast<std::size_t>(index)] : nullptr;
}

int BankTable::bankOfSlot(int slot) {
    return placeOf(slot).bank;
}

int BankTable::cellOfSlot(int slot) {
    return placeOf(slot).cell;
}

} // namespace v32
