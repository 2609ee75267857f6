#pragma once

#include "app/model/ParamReader.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/PairList.h"

#include <array>
#include <cstddef>
#include <span>

namespace v32 {

// The writes one control change makes on a stereo pair: a linked input or bus pair, or a
// fixed stereo input, gets the change on both halves (split by the send modes where a send
// feeds one side only); any other parameter is written alone.
class LinkedWrites {
public:
    static constexpr ParamId kInputLinks = FixedParam::kInputLinks;
    static constexpr ParamId kBusLinks = FixedParam::kBusLinks;

    LinkedWrites(const ParamReader& values, ParamId id, std::uint16_t value);

    std::span<const ParamPair> pairs() const { return std::span(m_pairs).first(m_count); }

private:
    void add(ParamId id, std::uint16_t value);
    void writeInput(int index, int number, std::uint16_t value);
    void writeLinkedInputs(int index, int number, std::uint16_t value);
    void writeStereoInput(int index, int number, std::uint16_t value);
    void writeSplit(int index, int number, std::uint16_t left, std::uint16_t right);
    void writeLinkedBuses(int index, int number, std::uint16_t value);

    const ParamReader& m_values;
    std::array<ParamPair, 2> m_pairs{};
    std::size_t m_count = 0;
};

} // namespace v32
