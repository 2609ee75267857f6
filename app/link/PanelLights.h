#pragma once

namespace v32 {

// Every key light the program drives, by light number (bit b mod 16 of word b / 16). The
// panel firmware fixes which key each number sits on.
//
//   light          lit while
//   0, 3, 4, 5     its page is the current page (see PanelPage)
//   1, 2           panel key 67, 68 is held
//   6              the media player plays
//   8, 21          always, from the first refresh on
//   10..14         bank key 0..4: that bank is the current bank
//   24..39         mute key of panel strip 0..15: the strip's channel is off
//   40..55         solo key of panel strip 0..15: the strip's monitor send is on
//   88..93         scene key 1..6: that scene is the one called last;
//                  while a scene key is being handled its blink owns these lights
//   120, 121, 124  panel key 60, 61, 64 is held
//   123            the lock screen is up
struct PanelLights {
    static constexpr int kLastLight = 125;

    static constexpr int kMediaPlaying = 6;
    static constexpr int kAlwaysOn[] = {8, 21};
    static constexpr int kFirstBankKey = 10;
    static constexpr int kFirstMuteKey = 24;
    static constexpr int kFirstSoloKey = 40;
    static constexpr int kStripKeyCount = 16;
    static constexpr int kFirstSceneKey = 88;
    static constexpr int kSceneKeyCount = 6;
    static constexpr int kLocked = 123;
};

} // namespace v32
