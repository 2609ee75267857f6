#pragma once

#include "app/protocol/ParamId.h"

#include <array>
#include <cstdint>
#include <span>

namespace v32 {

// Fills a table of any length with the factory defaults, identifier by identifier;
// entries beyond the known identifiers stay 0.
void fillDefaults(std::span<std::uint16_t> table);

// The default of every identifier, filled once.
class DefaultTable {
public:
    DefaultTable();

    std::uint16_t of(ParamId id) const;
    const std::array<std::uint16_t, kParamCount>& values() const { return values_; }

private:
    std::array<std::uint16_t, kParamCount> values_{};
};

} // namespace v32
