#pragma once

#include "app/model/ParamReader.h"
#include "app/model/ParamWrite.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/ParamNumbers.h"

#include <array>
#include <cstddef>
#include <span>

namespace v32 {

// The writes that copy one bus's settings onto another: every bus parameter, then the
// destination's membership of the mute groups and DCAs made equal to the source's. MAIN L
// and MAIN R share one pair of monitor sends, MAIN L owning the first and MAIN R the
// second, so copying MAIN L onto MAIN R hands MAIN L's send over to MAIN R's own and clears
// MAIN R's first one quietly, without redrawing the page.
class BusCopy {
public:
    static constexpr std::size_t kMaximumWrites =
        (BusNumber::kLast - BusNumber::kFirst + 1) + MuteGroupIndex::kCount + DcaIndex::kCount;

    // Bus indexes; a bus copied onto itself, or a bus that does not exist, gives no writes.
    BusCopy(const ParamReader& values, int source, int destination);

    std::span<const ParamWrite> writes() const { return std::span(m_writes).first(m_count); }

private:
    void copyNumbers(int source, int destination);
    void copyMembership(int groupKind, int groupIndex, int firstNumber, int sourceSlot,
                        int destinationSlot);
    void add(ParamId id, std::uint16_t value, bool quiet = false);

    const ParamReader& m_values;
    std::array<ParamWrite, kMaximumWrites> m_writes{};
    std::size_t m_count = 0;
};

} // namespace v32
