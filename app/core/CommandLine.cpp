#include "app/core/CommandLine.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace v32 {

namespace {

enum class ValueOption {
    PrintSent,
    PrintReceived,
    GlobalBar,
    LogLevel,
};

struct ValueOptionName {
    std::string_view name;
    ValueOption option;
};

constexpr std::array<ValueOptionName, 4> kValueOptions{{
    {"-ps", ValueOption::PrintSent},
    {"-pr", ValueOption::PrintReceived},
    {"-gbar", ValueOption::GlobalBar},
    {"-log6951", ValueOption::LogLevel},
}};

// Waits for the data centre in the first pass; nothing to do later.
constexpr std::string_view kWaitForDataCentre = "-wdc";

const ValueOptionName* findValueOption(std::string_view argument) {
    for (const ValueOptionName& entry : kValueOptions) {
        if (entry.name == argument) {
            return &entry;
        }
    }
    return nullptr;
}

int decimalValue(const char* text) {
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return 0;
    }
    return static_cast<int>(value);
}

void apply(ValueOption option, int value, ApplicationContext& context) {
    switch (option) {
    case ValueOption::PrintSent:
        context.switches.print_sent = value != 0;
        break;
    case ValueOption::PrintReceived:
        context.switches.print_received = value != 0;
        break;
    case ValueOption::GlobalBar:
        context.globalBar = value;
        break;
    case ValueOption::LogLevel:
        context.logLevel = value;
        break;
    }
}

} // namespace

CommandLine::CommandLine(std::span<const char* const> arguments)
    : m_arguments(arguments) {}

std::optional<int> CommandLine::applyOptions(ApplicationContext& context, std::FILE* log) const {
    for (std::size_t i = 0; i < m_arguments.size(); ++i) {
        const std::string_view argument = m_arguments[i];
        if (!argument.starts_with('-') || argument == kWaitForDataCentre) {
            continue;
        }
        const ValueOptionName* entry = findValueOption(argument);
        if (entry == nullptr) {
            std::fprintf(log, "unknow parameter '%s'!\n", m_arguments[i]);
            return kUnknownOptionExitCode;
        }
        const bool hasValue = i + 1 < m_arguments.size();
        apply(entry->option, hasValue ? decimalValue(m_arguments[i + 1]) : 0, context);
        ++i;
    }
    return std::nullopt;
}

} // namespace v32
