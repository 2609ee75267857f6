#include "app/model/ChannelSlot.h"

namespace v32 {

namespace {

constexpr int kInputCount = 34;
constexpr int kEffectCount = 4;
constexpr int kAuxBusCount = 14;
constexpr int kMainLeftBus = 16;
constexpr int kMainRightBus = 17;
constexpr int kDcaCount = 8;

bool isBus(int index) {
    return (index >= 0 && index < kAuxBusCount) || index == kMainLeftBus || index == kMainRightBus;
}

bool inRange(int index, int count) {
    return index >= 0 && index < count;
}

} // namespace

int ChannelSlot::of(Channel channel) {
    switch (channel.kind) {
    case KindInput:
        return inRange(channel.index, kInputCount) ? channel.index : -1;
    case KindEffect:
        return inRange(channel.index, kEffectCount) ? kFirstEffect + channel.index : -1;
    case KindBus:
        return isBus(channel.index) ? kFirstBus + channel.index : -1;
    case KindDca:
        return inRange(channel.index, kDcaCount) ? kFirstDca + channel.index : -1;
    default:
        return -1;
    }
}

Channel ChannelSlot::channelOf(int slot) {
    if (inRange(slot, kFirstEffect)) {
        return {KindInput, slot};
    }
    if (inRange(slot - kFirstEffect, kEffectCount)) {
        return {KindEffect, slot - kFirstEffect};
    }
    if (slot >= kFirstBus && slot < kFirstDca && isBus(slot - kFirstBus)) {
        return {KindBus, slot - kFirstBus};
    }
    if (inRange(slot - kFirstDca, kDcaCount)) {
        return {KindDca, slot - kFirstDca};
    }
    return {};
}

} // namespace v32
