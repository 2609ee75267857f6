#include "ui/toolkit/textentry/TextEntryMode.h"

#include "app/core/NativeConfig.h"

#include <array>

namespace v32 {

TextEntryMode readTextEntryMode(const NativeConfig& config) {
    std::array<char, kConfigValueSize> value{};
    if (!config.readAppKey(kTextEntryModeKey, value)) {
        return TextEntryMode::NativeBox;
    }
    return std::string_view(value.data()) == kOnScreenKeyboardValue
               ? TextEntryMode::OnScreenKeyboard
               : TextEntryMode::NativeBox;
}

} // namespace v32
