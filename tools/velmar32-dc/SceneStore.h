#pragma once

#include "app/protocol/ParamId.h"
#include "app/protocol/SceneImage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace v32::dc {

// The 16 scenes the mixer keeps: parameter words, 64 text items (the channel names at the
// time of saving) and a name each. An import writes into a staged copy of its scene, which
// replaces the stored one only when the import commits, so a transfer that breaks off
// leaves the scene as it was.
class SceneStore {
public:
    static constexpr int kSceneCount = 16;

    SceneStore();

    static bool isScene(int scene) { return scene >= 1 && scene <= kSceneCount; }

    // The scene must exist (isScene).
    const SceneImage& scene(int scene) const;
    std::string_view name(int scene) const;
    void rename(int scene, std::string_view name);
    void save(int scene, std::span<const std::uint16_t, kParamCount> data,
              std::span<const SceneText, kSceneTextCount> texts);

    // Values of indexes beyond the last identifier are ignored.
    void stageValues(int scene, std::uint16_t start, std::span<const std::uint16_t> values);
    // index is 0..63.
    void stageText(int scene, std::size_t index, std::string_view text);
    void stageName(int scene, std::string_view name);
    // Makes the staged copy the stored scene; a scene without staged changes stays as it is.
    void commit(int scene);
    bool hasStaged(int scene) const;

private:
    static std::size_t slot(int scene) { return static_cast<std::size_t>(scene - 1); }
    SceneImage& staged(int scene);

    // Each image is about 14 KB, so they live on the heap.
    std::array<std::unique_ptr<SceneImage>, kSceneCount> stored_;
    std::array<std::unique_ptr<SceneImage>, kSceneCount> staged_;
};

} // namespace v32::dc
