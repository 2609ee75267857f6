#pragma once

#include "app/model/Channel.h"
#include "app/model/ParamReader.h"
#include "app/model/ParamWrite.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/SendLevel.h"

#include <array>
#include <cstdint>
#include <span>

namespace v32 {

// A channel's solo is its monitor send, a pair of send values (the solo number and the
// identifier after it): solo on is a send level of 0 dB, off a level of nothing, and the
// top two bits of the value are left as they are. The main buses share one pair of monitor
// sends between them: MAIN L owns the first, MAIN R the second, and switching one clears
// the other quietly, without redrawing the page.
class MonitorSend {
public:
    static constexpr std::uint16_t kOnLevel = FaderLevel::kUnity;

    // The writes that switch the channel's monitor send over: on when its level is
    // nothing, off otherwise. An invalid channel gives no writes.
    MonitorSend(const ParamReader& values, Channel channel);

    // The identifier whose value the channel's "S" indicator shows.
    static ParamId shownId(Channel channel);
    // The "S" indicator: a level is set and the send is not muted.
    static bool isLit(std::uint16_t value) {
        return FaderLevel::levelOf(value) != 0 && (value & SendLevel::kOffBit) == 0;
    }

    std::span<const ParamWrite> writes() const { return std::span(m_writes).first(m_count); }

private:
    static std::uint16_t switched(std::uint16_t value);

    std::array<ParamWrite, 2> m_writes{};
    std::size_t m_count = 0;
};

} // namespace v32
