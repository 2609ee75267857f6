#include "tools/velmar32-dc/FrameDescription.h"

#include "app/protocol/Frame.h"
#include "app/protocol/MessageCode.h"
#include "app/protocol/PairList.h"
#include "app/protocol/PayloadText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace v32::dc {

namespace {

constexpr std::size_t kShownPairs = 8;
constexpr std::size_t kShownIds = 12;
constexpr std::size_t kShownBytes = 24;

struct CodeName {
    std::uint8_t code;
    std::string_view name;
};

constexpr std::array<CodeName, 25> kCodeNames{{
    {MSG_IDENTIFY, "MSG_IDENTIFY"},
    {MSG_SCENE_CALL, "MSG_SCENE_CALL"},
    {MSG_PARAM_SET, "MSG_PARAM_SET"},
    {MSG_SCENE_NAME_GET, "MSG_SCENE_NAME_GET"},
    {MSG_PARAM_QUERY, "MSG_PARAM_QUERY"},
    {MSG_SCENE_NAME_SET, "MSG_SCENE_NAME_SET"},
    {MSG_SCENE_SAVE, "MSG_SCENE_SAVE"},
    {MSG_PARAM_NOTIFY, "MSG_PARAM_NOTIFY"},
    {MSG_NAME_GET, "MSG_NAME_GET"},
    {MSG_NAME_SET, "MSG_NAME_SET"},
    {MSG_STRING_LIST, "MSG_STRING_LIST"},
    {MSG_TEXT_QUERY, "MSG_TEXT_QUERY"},
    {MSG_TEXT_COMMAND, "MSG_TEXT_COMMAND"},
    {MSG_STATUS_GET, "MSG_STATUS_GET"},
    {MSG_BLOCK_READ, "MSG_BLOCK_READ"},
    {MSG_BLOCK_WRITE, "MSG_BLOCK_WRITE"},
    {MSG_BLOCK_COMMIT, "MSG_BLOCK_COMMIT"},
    {MSG_BLOCK_NAME_READ, "MSG_BLOCK_NAME_READ"},
    {MSG_BLOCK_NAME_WRITE, "MSG_BLOCK_NAME_WRITE"},
    {MSG_PANEL_EVENT, "MSG_PANEL_EVENT"},
    {MSG_PANEL_SET, "MSG_PANEL_SET"},
    {MSG_BLOCK_TEXT_READ, "MSG_BLOCK_TEXT_READ"},
    {MSG_BLOCK_TEXT_WRITE, "MSG_BLOCK_TEXT_WRITE"},
    {MSG_MEDIA_EVENT, "MSG_MEDIA_EVENT"},
    {MSG_MEDIA_COMMAND, "MSG_MEDIA_COMMAND"},
}};

std::string codeName(std::uint8_t code) {
    const auto found = std::find_if(kCodeNames.begin(), kCodeNames.end(),
                                    [code](const CodeName& entry) { return entry.code == code; });
    if (found != kCodeNames.end()) {
        return std::string(found->name);
    }
    char text[16];
    std::snprintf(text, sizeof text, "code 0x%02X", code);
    return text;
}

bool carriesPairs(std::uint8_t code, TrafficDirection direction) {
    switch (code) {
    case MSG_PARAM_SET:
    case MSG_PARAM_NOTIFY:
    case MSG_PANEL_EVENT:
    case MSG_PANEL_SET:
        return true;
    case MSG_PARAM_QUERY:
        return direction == TrafficDirection::Out;
    default:
        return false;
    }
}

bool carriesText(std::uint8_t code) {
    return code == MSG_TEXT_QUERY || code == MSG_TEXT_COMMAND;
}

std::string describePairs(std::span<const std::uint8_t> payload) {
    const PairListView pairs(payload);
    std::string text =
        " " + std::to_string(pairs.size()) + (pairs.size() == 1 ? " pair:" : " pairs:");
    for (std::size_t i = 0; i < std::min(pairs.size(), kShownPairs); ++i) {
        text += " " + std::to_string(pairs[i].id) + "=" + std::to_string(pairs[i].value);
    }
    return pairs.size() > kShownPairs ? text + " ..." : text;
}

std::string describeIds(std::span<const std::uint8_t> payload) {
    const std::size_t count = payload.size() / kIdSize;
    std::string text = " " + std::to_string(count) + (count == 1 ? " id:" : " ids:");
    for (std::size_t i = 0; i < std::min(count, kShownIds); ++i) {
        text += " " + std::to_string(readWord(payload, i * kIdSize));
    }
    return count > kShownIds ? text + " ..." : text;
}

std::string describeText(std::span<const std::uint8_t> payload) {
    std::string text = " \"";
    for (const char c : payloadText(payload)) {
        if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::string describeBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < std::min(bytes.size(), kShownBytes); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        text += hex;
    }
    return bytes.size() > kShownBytes ? text + " ..." : text;
}

} // namespace

std::string describeFrame(std::span<const std::uint8_t> frame, TrafficDirection direction) {
    const FrameCheck check = checkFrame(frame);
    if (check.status != FrameStatus::Ok || check.length != frame.size()) {
        return "bad frame:" + describeBytes(frame);
    }
    const std::uint8_t code = frame[2];
    const std::span<const std::uint8_t> payload = framePayload(frame);
    std::string text = codeName(code);
    if (carriesPairs(code, direction)) {
        return text + describePairs(payload);
    }
    if (code == MSG_PARAM_QUERY) {
        return text + describeIds(payload);
    }
    if (carriesText(code)) {
        return text + describeText(payload);
    }
    return text + describeBytes(payload);
}

} // namespace v32::dc
