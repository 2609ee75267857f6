#include "tools/velmar32-dc/ControlCommands.h"

#include "app/link/PanelIdentifiers.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/PairList.h"
#include "tools/velmar32-dc/MediaLineCommands.h"

#include <charconv>
#include <optional>
#include <vector>

namespace v32::dc {

namespace {

// A scene-key event marks a long press in bit 15; the scene keys' own codes follow the
// panel's numbering.
constexpr std::uint16_t kLongPress = 0x8000;
constexpr int kFirstSceneKeyCode = 54;
constexpr int kSceneKeyCount = 6;

constexpr std::string_view kOk = "ok";

constexpr std::string_view kHelp =
    "commands:\n"
    "  status                     one status line\n"
    "  key CODE [down|up]         panel key event (without down/up: press and release)\n"
    "  scenekey N [long]          scene key 1..6, short or long press\n"
    "  fader STRIP POSITION       panel fader 0..50 moved to 0..16383\n"
    "  encoder N STEP             panel encoder 0..50 turned by a signed step\n"
    "  set ID VALUE               parameter changed at the desk; every client is told\n"
    "  get ID                     the parameter's value\n"
    "  log on|off                 the traffic log\n"
    "  fault in|out SHARES        e.g. drop=5,delay=10,duplicate=2,corrupt=1 or off\n"
    "  fault delay MS             how long delayed frames are held\n"
    "  media ...                  the media module's disk, inputs and owner (media help)\n"
    "  quit                       stop the stand-in\n";

// Splits off the first word; the rest keeps its leading blanks trimmed.
std::string_view takeWord(std::string_view& text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    const std::size_t end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    const std::size_t rest = text.find_first_not_of(" \t");
    text = rest == std::string_view::npos ? std::string_view{} : text.substr(rest);
    return word;
}

// Decimal, or hexadecimal after "0x"; a leading "-" is allowed.
std::optional<long> parseInteger(std::string_view text, long minimum, long maximum) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

std::string error(std::string_view what) {
    return "error: " + std::string(what);
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

} // namespace

ControlCommands::ControlCommands(DataCentre& dataCentre, Switchboard& switchboard,
                                 FaultInjector& faults, TrafficLog& log)
    : dataCentre_(dataCentre)
    , switchboard_(switchboard)
    , faults_(faults)
    , log_(log) {}

ControlCommands::Reply ControlCommands::run(std::string_view line) {
    std::string_view arguments = line;
    const std::string_view command = takeWord(arguments);
    if (command.empty()) {
        return {};
    }
    if (command == "quit") {
        return {std::string(kOk), true};
    }
    if (command == "help") {
        return {std::string(help()), false};
    }
    if (command == "status") {
        return {statusLine(), false};
    }
    if (command == "key") {
        return {pressKey(arguments), false};
    }
    if (command == "scenekey") {
        return {pressSceneKey(arguments), false};
    }
    if (command == "fader") {
        return {moveFader(arguments), false};
    }
    if (command == "encoder") {
        return {turnEncoder(arguments), false};
    }
    if (command == "set") {
        return {setParameter(arguments), false};
    }
    if (command == "get") {
        return {getParameter(arguments), false};
    }
    if (command == "log") {
        return {switchLog(arguments), false};
    }
    if (command == "fault") {
        return {setFaults(arguments), false};
    }
    if (command == "media") {
        return {runMedia(arguments), false};
    }
    return {error("unknown command '" + std::string(command) + "' (try help)"), false};
}

std::string ControlCommands::statusLine() const {
    const MixerParameters& parameters = dataCentre_.parameters();
    const FaultInjector::Counters& in = faults_.counters(TrafficDirection::In);
    const FaultInjector::Counters& out = faults_.counters(TrafficDirection::Out);
    const auto spoiled = [](const FaultInjector::Counters& c) {
        return std::to_string(c.dropped) + "/" + std::to_string(c.delayed) + "/" +
               std::to_string(c.duplicated) + "/" + std::to_string(c.corrupted);
    };
    return "clients " + std::to_string(switchboard_.clientCount()) + " | frames in " +
           std::to_string(switchboard_.framesReceived()) + " out " +
           std::to_string(switchboard_.framesSent()) + " rejected " +
           std::to_string(dataCentre_.rejectedFrames()) + " | name \"" +
           dataCentre_.settings().deviceName() + "\" | scene " +
           std::to_string(parameters.value(FixedParam::kLastCalledScene)) + " | lock " +
           onOff(dataCentre_.isLocked()) + " | scene keys " +
           (dataCentre_.settings().sceneKeyLock() ? "locked" : "free") + " | log " +
           onOff(log_.isEnabled()) + " | faults in " +
           faults_.shares(TrafficDirection::In).describe() + ", out " +
           faults_.shares(TrafficDirection::Out).describe() + ", delay " +
           std::to_string(faults_.delayMs()) + " ms | dropped/delayed/duplicated/corrupted in " +
           spoiled(in) + " out " + spoiled(out);
}

std::string_view ControlCommands::help() {
    return kHelp;
}

std::string ControlCommands::pressKey(std::string_view arguments) {
    const std::optional<long> code =
        parseInteger(takeWord(arguments), 0, PanelIdentifiers::kKeyCodeMask);
    const std::string_view how = takeWord(arguments);
    if (!code || !arguments.empty() || !(how.empty() || how == "down" || how == "up")) {
        return error("key CODE [down|up], CODE 0..8191");
    }
    const auto released = static_cast<std::uint16_t>(*code);
    const auto pressed = static_cast<std::uint16_t>(*code | PanelIdentifiers::kKeyPressedBit);
    std::vector<ParamPair> events;
    if (how != "up") {
        events.push_back({PanelIdentifiers::kKeyEvent, pressed});
    }
    if (how != "down") {
        events.push_back({PanelIdentifiers::kKeyEvent, released});
    }
    // One frame each, as the panel reports a press and a release apart.
    for (const ParamPair& event : events) {
        dataCentre_.sendPanelEvents(std::span(&event, 1));
    }
    return std::string(kOk);
}

std::string ControlCommands::pressSceneKey(std::string_view arguments) {
    const std::optional<long> key = parseInteger(takeWord(arguments), 1, kSceneKeyCount);
    const std::string_view how = takeWord(arguments);
    if (!key || !arguments.empty() || !(how.empty() || how == "long")) {
        return error("scenekey N [long], N 1..6");
    }
    const auto code = static_cast<std::uint16_t>(kFirstSceneKeyCode + *key - 1);
    const ParamPair event{PanelIdentifiers::kSceneKeyEvent,
                          static_cast<std::uint16_t>(how == "long" ? code | kLongPress : code)};
    dataCentre_.sendPanelEvents(std::span(&event, 1));
    return std::string(kOk);
}

std::string ControlCommands::moveFader(std::string_view arguments) {
    const std::optional<long> strip =
        parseInteger(takeWord(arguments), 0, PanelIdentifiers::kStripCount - 1);
    const std::optional<long> position =
        parseInteger(takeWord(arguments), 0, FaderLevel::kLevelMask);
    if (!strip || !position || !arguments.empty()) {
        return error("fader STRIP POSITION, STRIP 0..50, POSITION 0..16383");
    }
    const ParamPair event{static_cast<ParamId>(PanelIdentifiers::kFirstFaderEvent + *strip),
                          static_cast<std::uint16_t>(*position)};
    dataCentre_.sendPanelEvents(std::span(&event, 1));
    return std::string(kOk);
}

std::string ControlCommands::turnEncoder(std::string_view arguments) {
    const std::optional<long> encoder =
        parseInteger(takeWord(arguments), 0, PanelIdentifiers::kStripCount - 1);
    const std::optional<long> step = parseInteger(takeWord(arguments), -32768, 32767);
    if (!encoder || !step || !arguments.empty()) {
        return error("encoder N STEP, N 0..50, STEP -32768..32767");
    }
    const ParamPair event{static_cast<ParamId>(PanelIdentifiers::kFirstEncoderEvent + *encoder),
                          static_cast<std::uint16_t>(*step)};
    dataCentre_.sendPanelEvents(std::span(&event, 1));
    return std::string(kOk);
}

std::string ControlCommands::setParameter(std::string_view arguments) {
    const std::optional<long> id = parseInteger(takeWord(arguments), 0, kLastParam);
    const std::optional<long> value = parseInteger(takeWord(arguments), 0, 0xFFFF);
    if (!id || !value || !arguments.empty()) {
        return error("set ID VALUE, ID 0..5862, VALUE 0..65535");
    }
    dataCentre_.changeParameter(static_cast<ParamId>(*id), static_cast<std::uint16_t>(*value));
    return std::string(kOk);
}

std::string ControlCommands::getParameter(std::string_view arguments) const {
    const std::optional<long> id = parseInteger(takeWord(arguments), 0, kLastParam);
    if (!id || !arguments.empty()) {
        return error("get ID, ID 0..5862");
    }
    return std::to_string(dataCentre_.parameters().value(static_cast<ParamId>(*id)));
}

std::string ControlCommands::switchLog(std::string_view arguments) {
    const std::string_view how = takeWord(arguments);
    if ((how != "on" && how != "off") || !arguments.empty()) {
        return error("log on|off");
    }
    log_.setEnabled(how == "on");
    return std::string(kOk);
}

std::string ControlCommands::setFaults(std::string_view arguments) {
    const std::string_view what = takeWord(arguments);
    const std::string_view value = takeWord(arguments);
    if (!arguments.empty()) {
        return error("fault in|out SHARES, or fault delay MS");
    }
    if (what == "delay") {
        const std::optional<long> delayMs = parseInteger(value, 0, 60000);
        if (!delayMs) {
            return error("fault delay MS, MS 0..60000");
        }
        faults_.setDelayMs(static_cast<std::uint32_t>(*delayMs));
        return std::string(kOk);
    }
    const std::optional<FaultShares> shares = FaultShares::parse(value);
    if ((what != "in" && what != "out") || !shares) {
        return error("fault in|out drop=P,delay=P,duplicate=P,corrupt=P (percent, 100 in all)");
    }
    faults_.setShares(what == "in" ? TrafficDirection::In : TrafficDirection::Out, *shares);
    return std::string(kOk);
}

std::string ControlCommands::runMedia(std::string_view arguments) {
    return media_ != nullptr ? media_->run(arguments)
                             : error("no media module (start with --media or --media-dir)");
}

} // namespace v32::dc
