#include "app/model/StatusBytes.h"

namespace v32 {

std::uint8_t StatusBytes::at(int index) const {
    return index >= 0 && index < kCount ? m_bytes[static_cast<std::size_t>(index)] : 0;
}

void StatusBytes::set(int index, std::uint8_t value) {
    if (index >= 0 && index < kCount) {
        m_bytes[static_cast<std::size_t>(index)] = value;
    }
}

void StatusBytes::storeAnalyserBands(int first, std::span<const std::uint8_t> bands) {
    int index = first;
    for (const std::uint8_t band : bands) {
        if (index >= kAnalyserBandCount) {
            return;
        }
        if (index >= 0) {
            m_bytes[static_cast<std::size_t>(index)] = band;
        }
        ++index;
    }
}

} // namespace v32
