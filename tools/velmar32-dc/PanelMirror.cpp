#include "tools/velmar32-dc/PanelMirror.h"

#include "app/protocol/FaderLevel.h"

namespace v32::dc {

std::size_t PanelMirror::apply(const PairListView& pairs,
                               std::span<ParamPair, kMaxPairs> acknowledged) {
    std::size_t count = 0;
    for (const ParamPair pair : pairs) {
        if (count == acknowledged.size()) {
            break;
        }
        std::uint16_t* stored = nullptr;
        const int strip = pair.id - PanelIdentifiers::kFirstFaderPosition;
        const int word = pair.id - PanelIdentifiers::kFirstLightWord;
        if (strip >= 0 && strip < PanelIdentifiers::kStripCount) {
            stored = &faders_[static_cast<std::size_t>(strip)];
            *stored = static_cast<std::uint16_t>(FaderLevel::levelOf(pair.value));
        } else if (word >= 0 && word < PanelIdentifiers::kLightWordCount) {
            stored = &lights_[static_cast<std::size_t>(word)];
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
