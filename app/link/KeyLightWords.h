#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace v32 {

// The panel's key lights as it receives them: 101 words of 16 lights, light b being bit
// b mod 16 of word b / 16, each word with a flag telling that the panel has not seen it yet.
class KeyLightWords {
public:
    static constexpr int kWordCount = 101;
    static constexpr int kLightsPerWord = 16;
    static constexpr int kLightCount = kWordCount * kLightsPerWord;

    static bool isLight(int light) { return light >= 0 && light < kLightCount; }

    // Writes the light and marks its word for sending even when the light already was in
    // that state, so that a refresh reaches the panel whatever it shows now. False for a
    // light outside the words.
    bool set(int light, bool on);
    // Writes the light only when it changes; true when it did.
    bool setIfChanged(int light, bool on);

    bool isOn(int light) const;
    std::uint16_t word(int index) const;
    bool isChanged(int index) const;
    // Clears the word's flag; returns whether it was set.
    bool takeChanged(int index);

private:
    std::array<std::uint16_t, kWordCount> m_words{};
    std::bitset<kWordCount> m_changed;
};

} // namespace v32
