#include "app/protocol/PairList.h"

#include "app/protocol/Frame.h"

#include <algorithm>

namespace v32 {

std::size_t encodePairs(std::span<const ParamPair> pairs, std::span<std::uint8_t> out,
                        std::size_t maxPairs) {
    const std::size_t count = std::min({pairs.size(), maxPairs, out.size() / kPairSize});
    for (std::size_t i = 0; i < count; ++i) {
        writeWord(out, i * kPairSize, pairs[i].id);
        writeWord(out, i * kPairSize + 2, pairs[i].value);
    }
    return count;
}

std::size_t encodeIds(std::span<const ParamId> ids, std::span<std::uint8_t> out) {
    const std::size_t count = std::min({ids.size(), kMaxIdsPerFrame, out.size() / kIdSize});
    for (std::size_t i = 0; i < count; ++i) {
        writeWord(out, i * kIdSize, ids[i]);
    }
    return count;
}

ParamPair PairListView::operator[](std::size_t index) const {
    const std::size_t offset = index * kPairSize;
    return {readWord(m_payload, offset), readWord(m_payload, offset + 2)};
}

} // namespace v32
