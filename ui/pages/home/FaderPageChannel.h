#pragma once

#include "app/model/Channel.h"

#include <QString>
#include <cstdint>

namespace v32 {

class ParamModel;

// A channel as the strips of the fader page show and switch it: the identifiers of its
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
    QString name(const ParamModel& model) const;
    // The channel's colour in RGB 5-6-5.
    std::uint16_t colour(const ParamModel& model) const;

    // "M" and MUTE: on becomes off and anything else on.
    void toggleOn(ParamModel& model) const;
    // "S" and SOLO: the monitor send goes on or off, the quiet half without a redraw.
    void switchMonitorSend(ParamModel& model) const;

    static bool isMuted(std::uint16_t on) { return on == 0; }
};

} // namespace v32
