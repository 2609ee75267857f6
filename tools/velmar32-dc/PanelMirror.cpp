#include "tools/velmar32-dc/PanelMirror.h"

namespace v32::dc {

namespace {

constexpr std::uint16_t kFaderMask = 0x3FFF;

} // namespace

std::size_t PanelMirror::apply(const PairListView& pairs,
                               std::span<ParamPair, kMaxPairs> acknowledged) {
    std::size_t count = 0;
    for (const ParamPair pair : pairs) {
        if (count == acknowledged.size()) {
            break;
        }
        std::uint16_t* stored = nullptr;
        if (pair.id >= kFirstFader && pair.id < kFirstFader + kFaderCount) {
            stored = &faders_[pair.id - kFirstFader];
            *stored = static_cast<std::uint16_t>(pair.value & kFaderMask);
        } else if (pair.id >= kFirstLightWord && pair.id < kFirstLightWord + kLightWordCount) {
            stored = &lights_[pair.id - kFirstLightWord];
            *stored = pair.value;
        } else {
            continue;
        }
        acknowledged[count++] = {pair.id, *stored};
    }
    return count;
}

bool PanelMirror::isLit(std::size_t light) const {
    const std::size_t word = light / 16;
    return word < lights_.size() && (lights_[word] >> (light % 16) & 1U) != 0;
}

} // namespace v32::dc
