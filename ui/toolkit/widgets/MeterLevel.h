#pragma once

#include <cstdint>

namespace v32 {

// Meter levels arrive as one signed byte per channel side, in dB. The meter scale is not
// linear: its marks -40, -30, -20, -10, -7, -4, -2, 0, 2, 4, 7, 10 and 14 dB sit one twelfth
// of the travel apart, so the range around 0 dB where mixing happens gets most of the height.

// The byte that tells a meter to go dark at once, whatever its fall limit.
inline constexpr std::int8_t kMeterSilence = -128;

// Where a level sits on the scale, 0 (-40 dB and below) to 1 (+14 dB and above).
double meterFraction(int decibels);

// The level that a fraction of the travel stands for, the inverse of meterFraction
// truncated to whole dB; +14 at the top.
int meterDecibels(double fraction);

// The next value of a meter with the given range that shows a level: it rises at once but
// falls by at most fallPercent of its range per update (0 means no limit). The silence
// byte resets to the minimum.
int meterTarget(std::int8_t decibels, int fallPercent, int current, int minimum, int maximum);

// The number of scale marks above -40 dB that a level reaches (0 to 12), for meters drawn
// as segments.
int meterSegmentCount(std::int8_t decibels);

// A bus meter shown after its fader: the level plus the fader's gain in whole dB, at most
// +100, and -120 once the sum falls below -119. The fader raw value keeps its level in the
// low 14 bits, 1200 being 0 dB in tenths.
int postFaderLevel(std::int8_t decibels, std::uint16_t faderRaw);

} // namespace v32
