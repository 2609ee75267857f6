#pragma once

#include "app/core/ApplicationContext.h"

#include <cstdio>
#include <optional>
#include <span>

namespace v32 {

// The program's arguments, without the program name. The strings are not copied: they must
// outlive the object, as main's arguments do.
class CommandLine {
public:
    static constexpr int kUnknownOptionExitCode = 1;

    explicit CommandLine(std::span<const char* const> arguments = {});

    std::span<const char* const> arguments() const { return m_arguments; }

    // The options pass of application start: -ps, -pr, -gbar and -log6951 take the next
    // argument as a decimal number (text that is not one reads as 0, and so does a missing
    // value at the end), -wdc is accepted, other arguments without "-" are skipped. An
    // unknown option is reported and gives the exit code; otherwise nothing.
    std::optional<int> applyOptions(ApplicationContext& context, std::FILE* log) const;

private:
    std::span<const char* const> m_arguments;
};

} // namespace v32
