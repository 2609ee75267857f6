#pragma once

#include "app/model/Channel.h"

namespace v32 {

class ScreenModel;

// What the controls every strip has write, the same on every screen that shows strips.
namespace strip_writes {

// The fader's level in dB becomes the channel's fader parameter (generic number 252). Only
// the level bits change; the two flag bits above them stay. The fader is being dragged, so
// it is not redrawn under the finger.
void writeFader(ScreenModel& model, Channel channel, double decibels);

// "M": the channel on switch (generic number 253) goes from off to on and from anything
// else to off.
void toggleOn(ScreenModel& model, Channel channel);

// "S": the channel's monitor send switches over; the quiet part of it is not redrawn.
void switchMonitorSend(ScreenModel& model, Channel channel);

} // namespace strip_writes

} // namespace v32
