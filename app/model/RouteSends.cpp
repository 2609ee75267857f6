#include "app/model/RouteSends.h"

#include "app/model/LinkedWrites.h"
#include "app/model/StereoSendMode.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

namespace {

constexpr int kMainCells = 2;
constexpr int kRowCount = 3;

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

// The row and place of a send number of the channel kind; an invalid cell for any other
// number.
RouteSends::Cell cellOfNumber(int kind, int number) {
    for (int row = 0; row < kRowCount; ++row) {
        const int first = kind == KindInput ? inputNumber(row, 0) : effectNumber(row, 0);
        if (first >= 0 && number >= first && number < first + cellCount(row)) {
            return {row, number - first};
        }
    }
    return {};
}

bool showsPartner(const ParamReader& values, Channel shown) {
    if (shown.kind != KindInput || shown.index % 2 != 0) {
        return false;
    }
    if (isStereoLeftInput(shown.index)) {
        return true;
    }
    const int links = values.value(LinkedWrites::kInputLinks);
    return (links >> (shown.index / 2) & 1) != 0;
}

} // namespace

bool RouteSends::hasRow(Channel channel, int row) {
    switch (channel.kind) {
    case KindInput:
        return row >= 0 && row < kRowCount;
    case KindEffect:
        return row == RowAux || row == RowMain;
    default:
        return false;
    }
}

RouteSends::Cell RouteSends::cellOf(const ParamReader& values, Channel shown, ParamId id) {
    const int kind = channelKindOf(id);
    const int index = channelIndexOf(id);
    const bool ofShown =
        kind == shown.kind &&
        (index == shown.index || (index == shown.index + 1 && showsPartner(values, shown)));
    if (!ofShown || !isShownHalf(values, shown, id)) {
        return {};
    }
    const Cell cell = cellOfNumber(kind, paramNumberOf(id));
    return cell.isValid() && hasRow(shown, cell.row) ? cell : Cell{};
}

ParamPair RouteSends::levelWrite(const ParamReader& values, Channel channel, int row, int cell,
                                 std::uint16_t level) {
    const ParamId written = writtenId(channel, row, cell);
    if (written == kInvalidParam) {
        return {kInvalidParam, 0};
    }
    const ParamId shown = shownId(values, channel, row, cell);
    return {written, withLevel(values.value(shown), level)};
}

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
