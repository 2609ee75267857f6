#pragma once

#include "tools/velmar32-dc/DataCentre.h"
#include "tools/velmar32-dc/FaultShares.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace v32::dc {

// The command line of velmar32-dc.
struct ProgramOptions {
    // "--serial pty" asks for a new pseudo-terminal instead of a device.
    static constexpr std::string_view kPseudoTerminal = "pty";

    bool udpEnabled = true;
    std::uint16_t udpPort = 8086;
    bool tcpEnabled = true;
    std::uint16_t tcpPort = 8087;
    // 127.0.0.1, or 0.0.0.0 with allowRemote, unless given.
    std::optional<std::uint32_t> bindAddress;
    bool allowRemote = false;
    std::string serial;
    std::uint32_t baudRate = 128000;
    DataCentreConfig mixer;
    FaultShares faultsIn;
    FaultShares faultsOut;
    std::uint32_t faultDelayMs = 200;
    // The media module is served only when asked for, with the built-in disk or with one
    // made from mediaDir.
    bool media = false;
    std::string mediaDir;
    bool log = false;
    bool console = true;
    bool help = false;

    // The options after the program name; the error is empty when they are all right.
    struct Parsed;
    static Parsed parse(std::span<const std::string_view> arguments);
    static std::string_view usage();

    std::uint32_t effectiveBindAddress() const;
};

struct ProgramOptions::Parsed {
    ProgramOptions options;
    std::string error;
};

} // namespace v32::dc
