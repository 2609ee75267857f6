#include "app/model/RouteSends.h"

#include "app/model/StereoSendMode.h"

namespace v32 {

namespace {

constexpr int kAuxCount = 14;
constexpr int kFxCount = 4;
constexpr int kMainCells = 2;
constexpr int kInputFirstAux = 13;
constexpr int kInputLastAux = kInputFirstAux + kAuxCount - 1;
constexpr int kInputFirstFx = 33;
constexpr int kInputMainLeft = 29;
constexpr int kInputMainRight = 30;
constexpr int kEffectFirstAux = 183;
constexpr int kEffectMainLeft = 199;

int cellCount(int row) {
    switch (row) {
    case RouteSends::RowAux:
        return kAuxCount;
    case RouteSends::RowFx:
        return kFxCount;
    case RouteSends::RowMain:
        return kMainCells;
    default:
        return 0;
    }
}

int inputNumber(int row, int cell) {
    switch (row) {
    case RouteSends::RowAux:
        return kInputFirstAux + cell;
    case RouteSends::RowFx:
        return kInputFirstFx + cell;
    default:
        return kInputMainLeft + cell;
    }
}

int effectNumber(int row, int cell) {
    switch (row) {
    case RouteSends::RowAux:
        return kEffectFirstAux + cell;
    case RouteSends::RowMain:
        return kEffectMainLeft + cell;
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
    const bool onRightHalf = (row == RowMain && inputNumber(row, cell) == kInputMainRight) ||
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
    if (number == kInputMainRight) {
        onRightHalf = true;
    } else if (number >= kInputFirstAux && number <= kInputLastAux) {
        onRightHalf = feedsRightOnly(values, shown.index, number - kInputFirstAux);
    }
    return (index == shown.index + 1) == onRightHalf;
}

} // namespace v32
