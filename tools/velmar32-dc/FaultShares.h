#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace v32::dc {

// Shares of the frames of one direction that the fault injector drops, delays, duplicates
// or corrupts, in percent. Each frame suffers at most one fault, so the shares add up to at
// most 100.
struct FaultShares {
    double dropPercent = 0;
    double delayPercent = 0;
    double duplicatePercent = 0;
    double corruptPercent = 0;

    double totalPercent() const {
        return dropPercent + delayPercent + duplicatePercent + corruptPercent;
    }
    bool any() const { return totalPercent() > 0; }

    // "drop=5,delay=10,duplicate=2,corrupt=1": any of the four, in any order; "off" or an
    // empty text is no faults. Nothing when the text is malformed or the shares exceed 100.
    static std::optional<FaultShares> parse(std::string_view text);
    std::string describe() const;
};

} // namespace v32::dc
