#include "tools/velmar32-dc/ProgramOptions.h"

#include "tools/velmar32-dc/Ipv4Endpoint.h"

#include <charconv>
#include <functional>
#include <vector>

namespace v32::dc {

namespace {

constexpr std::string_view kUsage =
    "usage: velmar32-dc [options]\n"
    "Plays the mixer's data centre for the control surface on this computer.\n"
    "\n"
    "transports:\n"
    "  --udp-port N         UDP port (8086); 0 picks a free one, printed at start\n"
    "  --tcp-port N         TCP port (8087); 0 picks a free one, printed at start\n"
    "  --no-udp, --no-tcp   leave that transport out\n"
    "  --bind ADDRESS       address to bind (127.0.0.1; 0.0.0.0 with --allow-remote);\n"
    "                       one outside 127.0.0.0/8 needs --allow-remote\n"
    "  --allow-remote       also answer clients outside 127.0.0.0/8\n"
    "  --serial PATH|pty    serve a serial device, or a new pseudo-terminal (path printed)\n"
    "  --baud N             serial speed (128000)\n"
    "the mixer:\n"
    "  --name TEXT          device name (unnamed)\n"
    "  --product-id N       product id in the identify reply (0xE001)\n"
    "  --model-code N       model code in the identify reply (0x2F)\n"
    "  --firmware TEXT      firmware version reported as FW_VER (1.0.0)\n"
    "  --seed N             seed of the live data and of the faults (1)\n"
    "  --demo-mix           start from a sound-check mix instead of the factory settings\n"
    "the media module (USB disk player, recorder, Bluetooth, USB audio, S/PDIF):\n"
    "  --media              serve it, with a built-in disk of a few hundred songs\n"
    "  --media-dir PATH     serve it, with a disk of the folders and audio files under PATH\n"
    "faults (shares in percent, each frame meets at most one):\n"
    "  --fault-in SHARES    frames from clients, e.g. drop=5,delay=10,duplicate=2,corrupt=1\n"
    "  --fault-out SHARES   frames to clients, the same way\n"
    "  --fault-delay MS     how long delayed frames are held (200)\n"
    "other:\n"
    "  --log                log every frame received and sent\n"
    "  --no-console         read no commands from standard input\n"
    "  --help               this text\n"
    "\n"
    "Standard input takes line commands; type \"help\" for them. SIGINT and SIGTERM stop it.\n";

template <typename Number>
std::optional<Number> parseNumber(std::string_view text, std::uint64_t maximum) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value > maximum) {
        return std::nullopt;
    }
    return static_cast<Number>(value);
}

// Reads one option's value into the options; false when it is not a valid value.
using ValueReader = std::function<bool(ProgramOptions&, std::string_view)>;

struct ValueOption {
    std::string_view name;
    ValueReader read;
};

template <typename Number, std::uint64_t Maximum>
ValueReader numberInto(Number ProgramOptions::*field) {
    return [field](ProgramOptions& options, std::string_view text) {
        const std::optional<Number> value = parseNumber<Number>(text, Maximum);
        if (value) {
            options.*field = *value;
        }
        return value.has_value();
    };
}

template <typename Number, std::uint64_t Maximum>
ValueReader mixerNumberInto(Number DataCentreConfig::*field) {
    return [field](ProgramOptions& options, std::string_view text) {
        const std::optional<Number> value = parseNumber<Number>(text, Maximum);
        if (value) {
            options.mixer.*field = *value;
        }
        return value.has_value();
    };
}

ValueReader textInto(std::string DataCentreConfig::*field) {
    return [field](ProgramOptions& options, std::string_view text) {
        options.mixer.*field = std::string(text);
        return true;
    };
}

ValueReader sharesInto(FaultShares ProgramOptions::*field) {
    return [field](ProgramOptions& options, std::string_view text) {
        const std::optional<FaultShares> shares = FaultShares::parse(text);
        if (shares) {
            options.*field = *shares;
        }
        return shares.has_value();
    };
}

const std::vector<ValueOption>& valueOptions() {
    static const std::vector<ValueOption> table{
        {"--udp-port", numberInto<std::uint16_t, 0xFFFF>(&ProgramOptions::udpPort)},
        {"--tcp-port", numberInto<std::uint16_t, 0xFFFF>(&ProgramOptions::tcpPort)},
        {"--baud", numberInto<std::uint32_t, 4000000>(&ProgramOptions::baudRate)},
        {"--fault-delay", numberInto<std::uint32_t, 60000>(&ProgramOptions::faultDelayMs)},
        {"--fault-in", sharesInto(&ProgramOptions::faultsIn)},
        {"--fault-out", sharesInto(&ProgramOptions::faultsOut)},
        {"--name", textInto(&DataCentreConfig::deviceName)},
        {"--firmware", textInto(&DataCentreConfig::firmwareVersion)},
        {"--serial",
         [](ProgramOptions& options, std::string_view text) {
             options.serial = std::string(text);
             return !text.empty();
         }},
        {"--media-dir",
         [](ProgramOptions& options, std::string_view text) {
             options.media = true;
             options.mediaDir = std::string(text);
             return !text.empty();
         }},
        {"--bind",
         [](ProgramOptions& options, std::string_view text) {
             options.bindAddress = Ipv4Endpoint::parseAddress(text);
             return options.bindAddress.has_value();
         }},
        {"--product-id", mixerNumberInto<std::uint16_t, 0xFFFF>(&DataCentreConfig::productId)},
        {"--model-code", mixerNumberInto<std::uint8_t, 0xFF>(&DataCentreConfig::modelCode)},
        {"--seed", mixerNumberInto<std::uint32_t, 0xFFFFFFFF>(&DataCentreConfig::seed)},
    };
    return table;
}

bool applyFlag(ProgramOptions& options, std::string_view flag) {
    if (flag == "--no-udp") {
        options.udpEnabled = false;
    } else if (flag == "--no-tcp") {
        options.tcpEnabled = false;
    } else if (flag == "--allow-remote") {
        options.allowRemote = true;
    } else if (flag == "--log") {
        options.log = true;
    } else if (flag == "--demo-mix") {
        options.mixer.demoMix = true;
    } else if (flag == "--media") {
        options.media = true;
    } else if (flag == "--no-console") {
        options.console = false;
    } else if (flag == "--help" || flag == "-h") {
        options.help = true;
    } else {
        return false;
    }
    return true;
}

const ValueOption* valueOptionNamed(std::string_view name) {
    for (const ValueOption& option : valueOptions()) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string checkCombination(const ProgramOptions& options) {
    const Ipv4Endpoint bound{options.effectiveBindAddress(), 0};
    if (!options.allowRemote && !bound.isLoopback()) {
        return "binding outside 127.0.0.0/8 needs --allow-remote";
    }
    if (!options.udpEnabled && !options.tcpEnabled && options.serial.empty()) {
        return "no transport left to serve";
    }
    return {};
}

} // namespace

ProgramOptions::Parsed ProgramOptions::parse(std::span<const std::string_view> arguments) {
    Parsed parsed;
    ProgramOptions& options = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (applyFlag(options, argument)) {
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const ValueOption* option = valueOptionNamed(name);
        if (option == nullptr) {
            parsed.error = "unknown option '" + std::string(argument) + "'";
            return parsed;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = std::string(name) + " needs a value";
            return parsed;
        }
        if (!option->read(options, value)) {
            parsed.error = "bad value '" + std::string(value) + "' for " + std::string(name);
            return parsed;
        }
    }
    parsed.error = options.help ? std::string() : checkCombination(options);
    return parsed;
}

std::string_view ProgramOptions::usage() {
    return kUsage;
}

std::uint32_t ProgramOptions::effectiveBindAddress() const {
    return bindAddress.value_or(allowRemote ? Ipv4Endpoint::kAny : Ipv4Endpoint::kLoopback);
}

} // namespace v32::dc
