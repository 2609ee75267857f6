#pragma once

#include <cstdint>

// Every colour the screens paint, as the display's 16-bit 5-6-5 values. A colour is named
// once here; the widgets name the part they paint with it (kTextColour = kWhite), so that
// changing a shade is one edit and no two parts drift apart by a stray digit.
namespace v32::palette {

// The display's pure colours.
inline constexpr std::uint16_t kBlack = 0x0000;
inline constexpr std::uint16_t kWhite = 0xFFFF;
inline constexpr std::uint16_t kRed = 0xF800;
inline constexpr std::uint16_t kGreen = 0x07E0;
inline constexpr std::uint16_t kBlue = 0x001F;
inline constexpr std::uint16_t kYellow = 0xFFE0;
inline constexpr std::uint16_t kMagenta = 0xF81F;

// Greys, darkest first; the number is the brightness in percent, rounded down.
inline constexpr std::uint16_t kGrey3 = 0x0841;
inline constexpr std::uint16_t kGrey9 = 0x18E3;
inline constexpr std::uint16_t kGrey12 = 0x2104;
inline constexpr std::uint16_t kGrey13 = 0x2124;
inline constexpr std::uint16_t kGrey15 = 0x2945;
inline constexpr std::uint16_t kGrey19 = 0x3186;
inline constexpr std::uint16_t kGrey23 = 0x39E8;
inline constexpr std::uint16_t kGrey25 = 0x4208;
inline constexpr std::uint16_t kGrey28 = 0x4A49;
inline constexpr std::uint16_t kGrey29 = 0x4A69;
inline constexpr std::uint16_t kGrey34 = 0x52CB;
inline constexpr std::uint16_t kGrey35 = 0x5AEB;
inline constexpr std::uint16_t kGrey38 = 0x630C;
inline constexpr std::uint16_t kGrey42 = 0x6B6D;
inline constexpr std::uint16_t kGrey44 = 0x738E;
inline constexpr std::uint16_t kGrey51 = 0x8410;
inline constexpr std::uint16_t kGrey60 = 0x9CD3;
// Separator lines and whatever is shown disabled.
inline constexpr std::uint16_t kGrey61 = 0x9CF3;
inline constexpr std::uint16_t kGrey64 = 0xA514;
inline constexpr std::uint16_t kGrey71 = 0xB5B6;
// Secondary captions: scale numbers and the small titles beside the controls.
inline constexpr std::uint16_t kGrey77 = 0xC618;
inline constexpr std::uint16_t kGrey80 = 0xCE59;
inline constexpr std::uint16_t kGrey85 = 0xD6DB;

// The dark theme every widget class starts from before it applies its own styles.
inline constexpr std::uint16_t kThemeBackground = 0x2946;
inline constexpr std::uint16_t kThemeBorder = 0x2986;
// Behind every page: the top host's fill.
inline constexpr std::uint16_t kScreenBackground = 0x1209;

// What is chosen or at work: the selected cell's frame, an active value tile, a handle that
// can be dragged, and a send taken after the fader.
inline constexpr std::uint16_t kSelectionOrange = 0xFCC0;
// A checked channel selector or titled panel.
inline constexpr std::uint16_t kCheckedBlue = 0x0377;
// The framework's own accent: the spinner's arc, chosen tabs and selected text.
inline constexpr std::uint16_t kAccentBlue = 0x24BE;
// The selected row of a scroll list.
inline constexpr std::uint16_t kCornflowerBlue = 0x5C7C;
inline constexpr std::uint16_t kSkyBlue = 0x055E;
inline constexpr std::uint16_t kAzure = 0x041F;
inline constexpr std::uint16_t kCyan = 0x061E;
inline constexpr std::uint16_t kTeal = 0x0575;
inline constexpr std::uint16_t kViolet = 0x9A3D;
inline constexpr std::uint16_t kDarkOrange = 0xFC60;
inline constexpr std::uint16_t kCoral = 0xF206;
inline constexpr std::uint16_t kPink = 0xFB37;
// A fader's level, a stereo link and a live connection.
inline constexpr std::uint16_t kMint = 0x57EF;
// A send taken before the fader.
inline constexpr std::uint16_t kLightGreen = 0x56E8;
inline constexpr std::uint16_t kLeafGreen = 0x4D6A;
inline constexpr std::uint16_t kBrightGreen = 0x0780;
inline constexpr std::uint16_t kKellyGreen = 0x0580;
inline constexpr std::uint16_t kSeaGreen = 0x146A;
inline constexpr std::uint16_t kDarkGreen = 0x0400;
inline constexpr std::uint16_t kDeepRed = 0xC800;
inline constexpr std::uint16_t kMaroon = 0x6000;

// The lit buttons: a colour fading down to its shade. The red also marks warnings.
inline constexpr std::uint16_t kButtonRed = 0xE002;
inline constexpr std::uint16_t kButtonRedShade = 0x7800;
inline constexpr std::uint16_t kButtonOrange = 0xF4C0;
inline constexpr std::uint16_t kButtonOrangeShade = 0x6A40;
inline constexpr std::uint16_t kButtonTeal = 0x156C;
inline constexpr std::uint16_t kButtonTealShade = 0x0286;
inline constexpr std::uint16_t kButtonGreen = 0x2567;
inline constexpr std::uint16_t kButtonGreenShade = 0x0300;
inline constexpr std::uint16_t kButtonBlue = 0x34DF;
inline constexpr std::uint16_t kButtonBlueShade = 0x020F;

// The lit flat buttons that bring a border of their own instead of the common cyan one.
inline constexpr std::uint16_t kFlatDarkGreen = 0x12E3;
inline constexpr std::uint16_t kFlatDarkGreenBorder = 0x1E26;
inline constexpr std::uint16_t kFlatPurple = 0x8050;
inline constexpr std::uint16_t kFlatPurpleBorder = 0xC8D9;
inline constexpr std::uint16_t kFlatGold = 0xE505;
inline constexpr std::uint16_t kFlatGoldBorder = 0xFEE5;

// The level meters' zones: safe, near the top, clipping.
inline constexpr std::uint16_t kMeterGreen = 0x0406;
inline constexpr std::uint16_t kMeterAmber = 0xBD20;
inline constexpr std::uint16_t kMeterRed = 0xD0A2;

} // namespace v32::palette
