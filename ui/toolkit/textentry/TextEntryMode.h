#pragma once

#include <string_view>

namespace v32 {

class NativeConfig;

// How text is typed: in a text box laid over the field, with the computer's keyboard and
// input methods, or on the on-screen keyboard.
enum class TextEntryMode {
    NativeBox,
    OnScreenKeyboard,
};

// The key KEYBOARD of the configuration's section "app": "screen" chooses the on-screen
// keyboard, anything else or nothing the text box.
inline constexpr std::string_view kTextEntryModeKey = "KEYBOARD";
inline constexpr std::string_view kOnScreenKeyboardValue = "screen";

TextEntryMode readTextEntryMode(const NativeConfig& config);

} // namespace v32
