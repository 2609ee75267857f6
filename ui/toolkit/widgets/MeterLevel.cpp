#include "ui/toolkit/widgets/MeterLevel.h"

#include "app/protocol/FaderLevel.h"

#include <algorithm>
#include <array>

namespace v32 {

namespace {

constexpr std::array<int, 13> kMarks = {-40, -30, -20, -10, -7, -4, -2, 0, 2, 4, 7, 10, 14};
constexpr int kSegments = static_cast<int>(kMarks.size()) - 1;

constexpr int countMarksReached(int decibels) {
    int count = 0;
    for (int i = 1; i < static_cast<int>(kMarks.size()); ++i) {
        if (decibels >= kMarks[static_cast<std::size_t>(i)]) {
            ++count;
        }
    }
    return count;
}

// Indexed by the level byte plus 128, so that a meter timer over dozens of channels does a
// look-up rather than a search.
constexpr std::array<std::uint8_t, 256> kSegmentTable = [] {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(countMarksReached(i - 128));
    }
    return table;
}();

int mark(int index) {
    return kMarks[static_cast<std::size_t>(index)];
}

} // namespace

double meterFraction(int decibels) {
    if (decibels <= kMarks.front()) {
        return 0.0;
    }
    if (decibels >= kMarks.back()) {
        return 1.0;
    }
    int segment = 0;
    while (decibels >= mark(segment + 1)) {
        ++segment;
    }
    const double within =
        static_cast<double>(decibels - mark(segment)) / (mark(segment + 1) - mark(segment));
    return (segment + within) / kSegments;
}

int meterDecibels(double fraction) {
    const double scaled = std::clamp(fraction, 0.0, 1.0) * kSegments;
    const int segment = static_cast<int>(scaled);
    if (segment >= kSegments) {
        return kMarks.back();
    }
    const double decibels =
        mark(segment) + (mark(segment + 1) - mark(segment)) * (scaled - segment);
    return static_cast<int>(decibels);
}

int meterTarget(std::int8_t decibels, int fallPercent, int current, int minimum, int maximum) {
    if (decibels == kMeterSilence) {
        return minimum;
    }
    const int span = maximum - minimum;
    int target = minimum + static_cast<int>(meterFraction(decibels) * span);
    if (fallPercent != 0) {
        const int floor = current - fallPercent * span / 100;
        target = std::max(target, floor);
    }
    return std::clamp(target, minimum, maximum);
}

int meterSegmentCount(std::int8_t decibels) {
    return kSegmentTable[static_cast<std::size_t>(decibels + 128)];
}

int postFaderLevel(std::int8_t decibels, std::uint16_t faderRaw) {
    const int faderDecibels = (FaderLevel::levelOf(faderRaw) - FaderLevel::kUnity) / 10;
    const int level = decibels + faderDecibels;
    if (level < -119) {
        return -120;
    }
    return std::min(level, 100);
}

} // namespace v32
