#include "app/model/ChannelSlot.h"

#include "app/protocol/ChannelIndexes.h"

namespace v32 {

namespace {

bool isBus(int index) {
    return (index >= 0 && index < BusIndex::kAuxCount) || index == BusIndex::kMainLeft ||
           index == BusIndex::kMainRight;
}

bool inRange(int index, int count) {
    return index >= 0 && index < count;
}

} // namespace

int ChannelSlot::of(Channel channel) {
    switch (channel.kind) {
    case KindInput:
        return inRange(channel.index, InputIndex::kCount) ? channel.index : -1;
    case KindEffect:
        return inRange(channel.index, EffectIndex::kCount) ? kFirstEffect + channel.index : -1;
    case KindBus:
        return isBus(channel.index) ? kFirstBus + channel.index : -1;
    case KindDca:
        return inRange(channel.index, DcaIndex::kCount) ? kFirstDca + channel.index : -1;
    default:
        return -1;
    }
}

Channel ChannelSlot::channelOf(int slot) {
    if (inRange(slot, kFirstEffect)) {
        return {KindInput, slot};
    }
    if (inRange(slot - kFirstEffect, EffectIndex::kCount)) {
        return {KindEffect, slot - kFirstEffect};
    }
    if (slot >= kFirstBus && slot < kFirstDca && isBus(slot - kFirstBus)) {
        return {KindBus, slot - kFirstBus};
    }
    if (inRange(slot - kFirstDca, DcaIndex::kCount)) {
        return {KindDca, slot - kFirstDca};
    }
    return {};
}

} // namespace v32
