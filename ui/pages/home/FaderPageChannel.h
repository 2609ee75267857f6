#pragma once

#include "app/model/Channel.h"

#include <QString>
#include <cstdint>

namespace v32 {

class ScreenModel;

// A channel as the strips of the fader page show it: the identifiers of its
// fader, its on switch and the monitor send that its "S" or SOLO shows.
struct FaderPageChannel {
    Channel channel;
    ParamId fader = kInvalidParam;
    ParamId on = kInvalidParam;
    ParamId monitor = kInvalidParam;

    FaderPageChannel()
        : FaderPageChannel(Channel{}) {}
    explicit FaderPageChannel(Channel bound);

    int slot() const;
    // The user's name when there is one, else the default.
    QString name(const ScreenModel& model) const;
    // The channel's colour in RGB 5-6-5.
    std::uint16_t colour(const ScreenModel& model) const;

    static bool isMuted(std::uint16_t on) { return on == 0; }
};

} // namespace v32
