#include "app/model/LinkedWrites.h"

#include "app/model/Channel.h"
#include "app/model/StereoSendMode.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/LinkBits.h"
#include "app/protocol/ParamNumbers.h"

namespace v32 {

namespace {

bool inRange(int number, int first, int last) {
    return number >= first && number <= last;
}

// Pan, the AUX sends, the MAIN sends and the FX sends stay per side on a linked input pair.
bool staysPerSideOnLinkedInputs(int number) {
    return number == InputNumber::kPan ||
           inRange(number, InputNumber::kFirstAuxSend, InputNumber::kLastAuxSend) ||
           inRange(number, InputNumber::kMainLeftSend, InputNumber::kMainRightSend) ||
           inRange(number, InputNumber::kFirstEffectSend, InputNumber::kLastEffectSend);
}

} // namespace

LinkedWrites::LinkedWrites(const ParamReader& values, ParamId id, std::uint16_t value)
    : m_values(values) {
    const int kind = channelKindOf(id);
    const int index = channelIndexOf(id);
    const int number = paramNumberOf(id);
    if (kind == KindInput && index < InputIndex::kFirstStereo &&
        LinkBits::isLinked(values.value(kInputLinks), index) &&
        !staysPerSideOnLinkedInputs(number)) {
        writeLinkedInputs(index, number, value);
    } else if (kind == KindInput && isStereoLeftInput(index)) {
        writeStereoInput(index, number, value);
    } else if (kind == KindBus && LinkBits::isLinked(values.value(kBusLinks), index)) {
        writeLinkedBuses(index, number, value);
    } else {
        add(id, value);
    }
}

void LinkedWrites::add(ParamId id, std::uint16_t value) {
    m_pairs[m_count++] = {id, value};
}

void LinkedWrites::writeInput(int index, int number, std::uint16_t value) {
    add(paramId(KindInput, index, number), value);
}

void LinkedWrites::writeLinkedInputs(int index, int number, std::uint16_t value) {
    const int even = index & ~1;
    writeInput(even, number, value);
    writeInput(even + 1, number, value);
}

void LinkedWrites::writeSplit(int index, int number, std::uint16_t left, std::uint16_t right) {
    writeInput(index, number, left);
    writeInput(index + 1, number, right);
}

void LinkedWrites::writeStereoInput(int index, int number, std::uint16_t value) {
    if (number == InputNumber::kMainLeftSend || number == InputNumber::kMonitorLeftSend) {
        writeSplit(index, number, value, 0);
    } else if (number == InputNumber::kMainRightSend || number == InputNumber::kMonitorRightSend) {
        writeSplit(index, number, 0, value);
    } else if (inRange(number, InputNumber::kFirstAuxSend, InputNumber::kLastAuxSend)) {
        // A send fed by one side only carries nothing on the other.
        const int mode = StereoSendMode::of(m_values, index, number - InputNumber::kFirstAuxSend);
        writeSplit(index, number, mode == StereoSendMode::kRight ? 0 : value,
                   mode == StereoSendMode::kLeft ? 0 : value);
    } else {
        writeSplit(index, number, value, value);
    }
}

void LinkedWrites::writeLinkedBuses(int index, int number, std::uint16_t value) {
    const int even = index & ~1;
    // The monitor sends cross over: the left monitor send of one bus pairs with the right
    // one of its partner.
    const bool crossed =
        number == BusNumber::kMonitorLeftSend || number == BusNumber::kMonitorRightSend;
    const int partnerNumber =
        crossed ? BusNumber::kMonitorLeftSend + BusNumber::kMonitorRightSend - number : number;
    const int evenNumber = index == even ? number : partnerNumber;
    const int oddNumber = index == even ? partnerNumber : number;
    add(paramId(KindBus, even, evenNumber), value);
    add(paramId(KindBus, even + 1, oddNumber), value);
}

} // namespace v32
