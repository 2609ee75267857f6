#include "app/model/SendOnFader.h"

#include "app/model/StereoSendMode.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

namespace {

bool isSendingInput(int index) {
    return (index >= 0 && index < InputIndex::kMonoCount) || isStereoLeftInput(index);
}

} // namespace

bool SendOnFader::isBus(SendBus bus) {
    const int count = bus.type == SendBus::Type::Aux ? kAuxCount : kEffectCount;
    return bus.index >= 0 && bus.index < count;
}

bool SendOnFader::canSend(Channel source, SendBus bus) {
    return sendId(source, bus) != kInvalidParam;
}

ParamId SendOnFader::sendId(Channel source, SendBus bus) {
    if (!isBus(bus)) {
        return kInvalidParam;
    }
    const bool toAux = bus.type == SendBus::Type::Aux;
    if (source.kind == KindInput && isSendingInput(source.index)) {
        const int first = toAux ? InputNumber::kFirstAuxSend : InputNumber::kFirstEffectSend;
        return paramId(KindInput, source.index, first + bus.index);
    }
    if (source.kind == KindEffect && toAux && source.index >= 0 && source.index < kEffectCount) {
        return paramId(KindEffect, source.index, EffectNumber::kFirstAuxSend + bus.index);
    }
    return kInvalidParam;
}

ParamId SendOnFader::shownSendId(const ParamReader& values, Channel source, SendBus bus) {
    const ParamId id = sendId(source, bus);
    if (id == kInvalidParam || source.kind != KindInput || !isStereoLeftInput(source.index) ||
        bus.type != SendBus::Type::Aux) {
        return id;
    }
    if (!StereoSendMode::usesRightHalf(StereoSendMode::of(values, source.index, bus.index))) {
        return id;
    }
    return paramId(KindInput, source.index + 1, InputNumber::kFirstAuxSend + bus.index);
}

} // namespace v32
