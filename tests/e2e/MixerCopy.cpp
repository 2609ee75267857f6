#include "tests/e2e/MixerCopy.h"

namespace v32::e2e {

std::vector<ParamId> valuesDiffering(const ParamModel& copy, const dc::MixerParameters& mixer) {
    std::vector<ParamId> differing;
    for (int id = 0; id < kParamCount; ++id) {
        const auto param = static_cast<ParamId>(id);
        if (copy.value(param) != mixer.value(param)) {
            differing.push_back(param);
        }
    }
    return differing;
}

std::vector<int> sceneNamesDiffering(const ParamModel& copy, const dc::SceneStore& mixer) {
    std::vector<int> differing;
    for (int scene = 1; scene <= ParamModel::kSceneCount; ++scene) {
        if (copy.sceneName(scene) != mixer.name(scene)) {
            differing.push_back(scene);
        }
    }
    return differing;
}

std::vector<int> channelNamesDiffering(const ParamModel& copy, const dc::DataCentre& mixer) {
    std::vector<int> differing;
    for (int slot = 0; slot < ParamModel::kChannelNameCount; ++slot) {
        if (copy.channelName(slot) != mixer.channelName(static_cast<std::size_t>(slot))) {
            differing.push_back(slot);
        }
    }
    return differing;
}

std::vector<int> sceneDataDiffering(const SceneImage& copy, const SceneImage& original) {
    std::vector<int> differing;
    for (std::size_t index = 0; index < copy.data.size(); ++index) {
        if (copy.data[index] != original.data[index]) {
            differing.push_back(static_cast<int>(index));
        }
    }
    return differing;
}

std::vector<int> sceneTextsDiffering(const SceneImage& copy, const SceneImage& original) {
    std::vector<int> differing;
    for (std::size_t item = 0; item < copy.text.size(); ++item) {
        if (sceneText(copy.text[item]) != sceneText(original.text[item])) {
            differing.push_back(static_cast<int>(item));
        }
    }
    return differing;
}

} // namespace v32::e2e
