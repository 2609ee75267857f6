#include "app/values/ValuePosition.h"

#include "app/values/DetentTables.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValueKinds.h"

#include <algorithm>
#include <cstddef>

namespace v32 {

namespace {

bool positionsByDetent(int kind) {
    return kind == ValueCompressorThreshold || kind == ValueCompressorRatio ||
           kind == ValueFaderLevel || kind == ValueSendLevel ||
           (kind >= ValueHighPassFrequency && kind <= ValueGraphicQ);
}

} // namespace

int percentPosition(int kind, std::uint16_t raw) {
    const double real = toReal(kind, raw);
    if (positionsByDetent(kind)) {
        return nearestDetent(kind, real) * 100 / (detentCount(kind) - 1);
    }
    const ValueKind& record = valueKind(kind);
    if (record.minimum == record.maximum) {
        return 0;
    }
    return (stepIndex(kind, real) - record.minimum) * 100 / (record.maximum - record.minimum);
}

std::uint16_t rawOfPosition(int kind, double position) {
    if (!positionsByDetent(kind)) {
        return 0;
    }
    const auto points = detentTable(kind);
    // Clamping first also keeps NaN out of the index conversion.
    const double clamped = position > 0 ? std::min(position, 1.0) : 0.0;
    const auto index = static_cast<std::size_t>(static_cast<double>(points.size() - 1) * clamped);
    return toRaw(kind, points[std::min(index, points.size() - 1)]);
}

} // namespace v32
