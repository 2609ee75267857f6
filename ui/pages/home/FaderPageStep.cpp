#include "ui/pages/home/FaderPageStep.h"

#include "app/values/DetentTables.h"
#include "app/values/ValueConversion.h"

#include <algorithm>

namespace v32 {

std::uint16_t steppedLevel(int valueKind, std::uint16_t level, int delta) {
    const std::span<const double> detents = detentTable(valueKind);
    const int from = nearestDetent(valueKind, toReal(valueKind, level));
    if (detents.empty() || from < 0) {
        return level;
    }
    const int last = static_cast<int>(detents.size()) - 1;
    const int to = std::clamp(from + delta, 0, last);
    return toRaw(valueKind, detents[static_cast<std::size_t>(to)]);
}

} // namespace v32
