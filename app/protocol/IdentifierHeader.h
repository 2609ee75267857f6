#pragma once

#include "app/protocol/ParamId.h"

#include <string>
#include <string_view>
#include <vector>

namespace v32 {

// Debug names of parameter identifiers, read from the protocol's identifier header: the
// n-th name of its enumeration belongs to identifier n.
class IdentifierHeader {
public:
    // The enumeration ends with this name at this position, or the header is not ours.
    static constexpr int kNameCount = 4990;
    static constexpr std::string_view kLastName = "ID_M0_END";

    // Replaces the names with those of the header file; returns whether it was accepted.
    // A file that cannot be opened is reported on standard error. Any failure leaves no
    // names.
    bool parseFile(const std::string& path);

    // The same for header text already in memory.
    bool parseText(std::string_view text);

    // The name of an identifier, or "ID_UNDEF" when the header does not name it.
    const char* nameOf(ParamId id) const;

    int nameCount() const { return static_cast<int>(names_.size()); }

private:
    std::vector<std::string> names_;
};

} // namespace v32
