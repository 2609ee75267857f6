#pragma once

#include <cstdint>

namespace v32 {

// Message codes of the device protocol. The same code travels in both directions; for most
// requests the device answers with a frame of the same code as the acknowledgement.
enum MessageCode : std::uint8_t {
    MSG_IDENTIFY = 0x00,
    MSG_SCENE_CALL = 0x01,
    MSG_PARAM_SET = 0x03,
    MSG_SCENE_NAME_GET = 0x04,
    MSG_PARAM_QUERY = 0x06,
    MSG_SCENE_NAME_SET = 0x10,
    MSG_SCENE_SAVE = 0x11,
    MSG_PARAM_NOTIFY = 0x25,
    MSG_NAME_GET = 0x2E,
    MSG_NAME_SET = 0x2F,
    MSG_STRING_LIST = 0x38,
    MSG_TEXT_QUERY = 0x39,
    MSG_TEXT_COMMAND = 0x3A,
    MSG_STATUS_GET = 0x46,
    MSG_BLOCK_READ = 0x5A,
    MSG_BLOCK_WRITE = 0x5B,
    MSG_BLOCK_COMMIT = 0x5C,
    MSG_BLOCK_NAME_READ = 0x5D,
    MSG_BLOCK_NAME_WRITE = 0x5E,
    MSG_PANEL_EVENT = 0x60,
    MSG_PANEL_SET = 0x63,
    MSG_BLOCK_TEXT_READ = 0x6A,
    MSG_BLOCK_TEXT_WRITE = 0x6B,
    MSG_MEDIA_EVENT = 0x71,
    MSG_MEDIA_COMMAND = 0x72,
};

} // namespace v32
