#pragma once

#include "app/protocol/ParamId.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace v32 {

inline constexpr std::size_t kSceneTextCount = 64;
inline constexpr std::size_t kSceneTextSize = 32;
inline constexpr std::size_t kSceneTextMaxLength = kSceneTextSize - 1;

// A NUL-terminated text of at most 31 characters in 32 bytes.
using SceneText = std::array<char, kSceneTextSize>;

// The one in-memory copy of a scene while it is exported or imported.
struct SceneImage {
    std::array<std::uint16_t, kParamCount> data{};
    std::array<SceneText, kSceneTextCount> text{};
    SceneText name{};
};

// Stores at most 31 characters of source and NUL-fills the rest.
void setSceneText(SceneText& target, std::string_view source);

// The characters before the NUL; never more than 31, even if the NUL is missing.
std::string_view sceneText(const SceneText& text);

} // namespace v32
