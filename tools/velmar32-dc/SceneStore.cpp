#include "tools/velmar32-dc/SceneStore.h"

#include "app/model/DefaultTable.h"

#include <algorithm>
#include <string>

namespace v32::dc {

SceneStore::SceneStore() {
    for (int scene = 1; scene <= kSceneCount; ++scene) {
        auto image = std::make_unique<SceneImage>();
        fillDefaults(image->data);
        setSceneText(image->name, "Scene" + std::to_string(scene));
        stored_[slot(scene)] = std::move(image);
    }
}

const SceneImage& SceneStore::scene(int scene) const {
    return *stored_[slot(scene)];
}

std::string_view SceneStore::name(int scene) const {
    return sceneText(stored_[slot(scene)]->name);
}

void SceneStore::rename(int scene, std::string_view name) {
    setSceneText(stored_[slot(scene)]->name, name);
}

void SceneStore::save(int scene, std::span<const std::uint16_t, kParamCount> data,
                      std::span<const SceneText, kSceneTextCount> texts) {
    SceneImage& image = *stored_[slot(scene)];
    std::copy(data.begin(), data.end(), image.data.begin());
    std::copy(texts.begin(), texts.end(), image.text.begin());
}

void SceneStore::stageValues(int scene, std::uint16_t start,
                             std::span<const std::uint16_t> values) {
    SceneImage& image = staged(scene);
    const std::size_t first = std::min<std::size_t>(start, image.data.size());
    const std::size_t count = std::min(values.size(), image.data.size() - first);
    std::copy_n(values.begin(), count, image.data.begin() + static_cast<std::ptrdiff_t>(first));
}

void SceneStore::stageText(int scene, std::size_t index, std::string_view text) {
    setSceneText(staged(scene).text[index], text);
}

void SceneStore::stageName(int scene, std::string_view name) {
    setSceneText(staged(scene).name, name);
}

void SceneStore::commit(int scene) {
    std::unique_ptr<SceneImage>& image = staged_[slot(scene)];
    if (image) {
        stored_[slot(scene)] = std::move(image);
    }
}

bool SceneStore::hasStaged(int scene) const {
    return staged_[slot(scene)] != nullptr;
}

SceneImage& SceneStore::staged(int scene) {
    std::unique_ptr<SceneImage>& image = staged_[slot(scene)];
    if (!image) {
        image = std::make_unique<SceneImage>(*stored_[slot(scene)]);
    }
    return *image;
}

} // namespace v32::dc
