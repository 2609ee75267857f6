#pragma once

#include "app/model/Channel.h"
#include "app/model/ParamReader.h"

#include <cstdint>

namespace v32 {

// What the home screen's meters show of the mixer's meter words. Each word holds two
// signed dB bytes, the even channel in the high byte: input i in word 2 + i/2, bus i in
// 2854 + i/2, effect return i alone in 2864 + i (left high, right low). Bus meters are
// measured before the bus fader, so the screens add the fader themselves.
namespace meters {

// The bridge bars count the meter scale's segments, ten steps each.
inline constexpr int kBridgeRange = 120;
inline constexpr int kBridgeStepsPerSegment = 10;
// A bridge bar falls by at most this much per update.
inline constexpr int kBridgeFall = 10;

struct MeterPair {
    std::int8_t left = -128;
    std::int8_t right = -128;
};

// The two meters of a channel's cell: a stereo input shows its right half beside it, an
// effect return both of its sides, a mono channel the same level twice. Buses are shown
// after their fader, MAIN L and MAIN R after the fader scaled by parameter 5202.
MeterPair channelMeters(const ParamReader& values, Channel channel);

// The fader level of MAIN L or MAIN R as the meters see it: scaled by a percentage,
// rounded to 0.1 dB and at most +10 dB, as a fader raw value.
std::uint16_t scaledMainFader(std::uint16_t faderRaw, int percent);

// A bridge bar's value for a level: the scale segments it reaches, ten steps each.
int bridgeValue(std::int8_t decibels);
// What a bridge bar shows next: it rises at once and falls by at most kBridgeFall; while
// the link is down it keeps what it shows.
int nextBridgeValue(int shown, int target, bool online);

} // namespace meters

} // namespace v32
