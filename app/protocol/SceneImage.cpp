#include "app/protocol/SceneImage.h"

#include <algorithm>

namespace v32 {

void setSceneText(SceneText& target, std::string_view source) {
    const std::string_view kept = source.substr(0, kSceneTextMaxLength);
    const auto end = std::copy(kept.begin(), kept.end(), target.begin());
    std::fill(end, target.end(), '\0');
}

std::string_view sceneText(const SceneText& text) {
    const auto last = text.begin() + kSceneTextMaxLength;
    return {text.begin(), std::find(text.begin(), last, '\0')};
}

} // namespace v32
