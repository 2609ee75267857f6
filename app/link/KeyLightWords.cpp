#include "app/link/KeyLightWords.h"

namespace v32 {

namespace {

std::size_t wordOf(int light) {
    return static_cast<std::size_t>(light / KeyLightWords::kLightsPerWord);
}

std::uint16_t bitOf(int light) {
    return static_cast<std::uint16_t>(1U << (light % KeyLightWords::kLightsPerWord));
}

bool isWord(int index) {
    return index >= 0 && index < KeyLightWords::kWordCount;
}

} // namespace

bool KeyLightWords::set(int light, bool on) {
    if (!isLight(light)) {
        return false;
    }
    std::uint16_t& word = m_words[wordOf(light)];
    word = on ? static_cast<std::uint16_t>(word | bitOf(light))
              : static_cast<std::uint16_t>(word & ~bitOf(light));
    m_changed.set(wordOf(light));
    return true;
}

bool KeyLightWords::setIfChanged(int light, bool on) {
    return isOn(light) != on && set(light, on);
}

bool KeyLightWords::isOn(int light) const {
    return isLight(light) && (m_words[wordOf(light)] & bitOf(light)) != 0;
}

std::uint16_t KeyLightWords::word(int index) const {
    return isWord(index) ? m_words[static_cast<std::size_t>(index)] : 0;
}

bool KeyLightWords::isChanged(int index) const {
    return isWord(index) && m_changed.test(static_cast<std::size_t>(index));
}

bool KeyLightWords::takeChanged(int index) {
    if (!isChanged(index)) {
        return false;
    }
    m_changed.reset(static_cast<std::size_t>(index));
    return true;
}

} // namespace v32
