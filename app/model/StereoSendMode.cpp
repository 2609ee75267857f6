#include "app/model/StereoSendMode.h"

#include "app/model/Channel.h"
#include "app/model/SendOnFader.h"
#include "app/protocol/ChannelIndexes.h"

namespace v32 {

namespace {

constexpr int kSendsPerWord = 8;

} // namespace

ParamId StereoSendMode::wordId(int stereoInput, int aux) {
    if (!isStereoLeftInput(stereoInput) || aux < 0 || aux >= BusIndex::kAuxCount) {
        return kInvalidParam;
    }
    return static_cast<ParamId>(kFirstWord + (stereoInput - InputIndex::kFirstStereo) +
                                aux / kSendsPerWord);
}

int StereoSendMode::of(const ParamReader& values, int stereoInput, int aux) {
    const ParamId id = wordId(stereoInput, aux);
    if (id == kInvalidParam) {
        return 0;
    }
    return (values.value(id) >> shiftOf(aux)) & kBoth;
}

std::uint16_t StereoSendMode::withMode(std::uint16_t word, int aux, int mode) {
    if (aux < 0 || aux >= BusIndex::kAuxCount) {
        return word;
    }
    const int shift = shiftOf(aux);
    const unsigned cleared = word & ~(static_cast<unsigned>(kBoth) << shift);
    return static_cast<std::uint16_t>(cleared | (static_cast<unsigned>(mode & kBoth) << shift));
}

int StereoSendMode::shiftOf(int aux) {
    return 2 * (aux % kSendsPerWord);
}

} // namespace v32
