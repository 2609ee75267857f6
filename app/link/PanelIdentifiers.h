#pragma once

#include <cstdint>

namespace v32 {

// The hardware control panel's own identifier space, carried in the pairs of
// MSG_PANEL_EVENT (panel to UI) and MSG_PANEL_SET (UI to panel):
//
//   0         key press or release: key code in bits 0-12, bit 14 set while pressed
//   1         scene-key event
//   2..52     fader of panel strip 0..50 moved, 14-bit position
//   53..103   encoder 0..50 turned, signed 16-bit step
//   104..154  fader position of panel strip 0..50, 14-bit
//   157..257  key-light words 0..100, 16 lights each
struct PanelIdentifiers {
    static constexpr int kStripCount = 51;
    static constexpr int kLightWordCount = 101;

    static constexpr std::uint16_t kKeyEvent = 0;
    static constexpr std::uint16_t kSceneKeyEvent = 1;
    static constexpr std::uint16_t kFirstFaderEvent = 2;
    static constexpr std::uint16_t kFirstEncoderEvent = kFirstFaderEvent + kStripCount;
    static constexpr std::uint16_t kFirstFaderPosition = kFirstEncoderEvent + kStripCount;
    static constexpr std::uint16_t kFirstLightWord = 157;

    static constexpr std::uint16_t kKeyCodeMask = 0x1FFF;
    static constexpr std::uint16_t kKeyPressedBit = 0x4000;

    static constexpr int keyCodeOf(std::uint16_t keyEvent) { return keyEvent & kKeyCodeMask; }
    static constexpr bool isKeyPressed(std::uint16_t keyEvent) {
        return (keyEvent & kKeyPressedBit) != 0;
    }

    // The strip 0..50 whose fader moved, or -1 when the identifier is no fader event.
    static constexpr int faderEventStrip(std::uint16_t id) {
        return id >= kFirstFaderEvent && id < kFirstEncoderEvent ? id - kFirstFaderEvent : -1;
    }

    // The encoder 0..50 that turned, or -1 when the identifier is no encoder event.
    static constexpr int encoderOf(std::uint16_t id) {
        return id >= kFirstEncoderEvent && id < kFirstFaderPosition ? id - kFirstEncoderEvent : -1;
    }

    static constexpr std::uint16_t lightWordId(int word) {
        return static_cast<std::uint16_t>(kFirstLightWord + word);
    }
};

static_assert(PanelIdentifiers::kFirstFaderPosition == 104);
static_assert(PanelIdentifiers::lightWordId(PanelIdentifiers::kLightWordCount - 1) == 257);

} // namespace v32
