#include "app/model/RouteSends.h"

#include "app/model/StereoSendMode.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

namespace {

constexpr int kMainCells = 2;

int cellCount(int row) {
    switch (row) {
    case RouteSends::RowAux:
        return BusIndex::kAuxCount;
    case RouteSends::RowFx:
        return EffectIndex::kCount;
    case RouteSends::RowMain:
        return kMainCells;
    default:
        return 0;
    }
}

int inputNumber(int row, int cell) {
    switch (row) {
    case RouteSends::RowAux:
        return InputNumber::kFirstAuxSend + cell;
    case RouteSends::RowFx:
        return InputNumber::kFirstEffectSend + cell;
    default:
        return InputNumber::kMainLeftSend + cell;
    }
}

int effectNumber(int row, int cell) {
    switch (row) {
    case RouteSends::RowAux:
        return EffectNumber::kFirstAuxSend + cell;
    case RouteSends::RowMain:
        return EffectNumber::kMainLeftSend + cell;
    default:
        return -1;
    }
}

} // namespace

bool RouteSends::feedsRightOnly(const ParamReader& values, int leftIndex, int aux) {
    return StereoSendMode::usesRightHalf(StereoSendMode::of(values, leftIndex, aux));
}

ParamId RouteSends::writtenId(Channel channel, int row, int cell) {
    if (cell < 0 || cell >= cellCount(row)) {
        return kInvalidParam;
    }
    switch (channel.kind) {
    case KindInput:
        return paramId(KindInput, channel.index, inputNumber(row, cell));
    case KindEffect: {
        const int number = effectNumber(row, cell);
        return number < 0 ? kInvalidParam : paramId(KindEffect, channel.index, number);
    }
    default:
        return kInvalidParam;
    }
}

ParamId RouteSends::shownId(const ParamReader& values, Channel channel, int row, int cell) {
    const ParamId written = writtenId(channel, row, cell);
    if (written == kInvalidParam || channel.kind != KindInput ||
        !isStereoLeftInput(channel.index)) {
        return written;
    }
    const bool onRightHalf =
        (row == RowMain && inputNumber(row, cell) == InputNumber::kMainRightSend) ||
        (row == RowAux && feedsRightOnly(values, channel.index, cell));
    return onRightHalf ? paramId(KindInput, channel.index + 1, inputNumber(row, cell)) : written;
}

bool RouteSends::isShownHalf(const ParamReader& values, Channel shown, ParamId id) {
    if (shown.kind != KindInput || !isStereoLeftInput(shown.index) ||
        channelKindOf(id) != KindInput) {
        return true;
    }
    const int index = channelIndexOf(id);
    if (index != shown.index && index != shown.index + 1) {
        return true;
    }
    const int number = paramNumberOf(id);
    bool onRightHalf = false;
    if (number == InputNumber::kMainRightSend) {
        onRightHalf = true;
    } else if (number >= InputNumber::kFirstAuxSend && number <= InputNumber::kLastAuxSend) {
        onRightHalf = feedsRightOnly(values, shown.index, number - InputNumber::kFirstAuxSend);
    }
    return (index == shown.index + 1) == onRightHalf;
}

} // namespace v32
