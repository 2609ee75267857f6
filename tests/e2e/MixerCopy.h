#pragma once

#include "app/model/ParamModel.h"
#include "app/protocol/SceneImage.h"
#include "tools/velmar32-dc/DataCentre.h"

#include <vector>

namespace v32::e2e {

// Where the surface's copy of the mixer differs from the mixer; empty when it is a copy.
std::vector<ParamId> valuesDiffering(const ParamModel& copy, const dc::MixerParameters& mixer);
std::vector<int> sceneNamesDiffering(const ParamModel& copy, const dc::SceneStore& mixer);
std::vector<int> channelNamesDiffering(const ParamModel& copy, const dc::DataCentre& mixer);

// Where two scene images differ: data indexes, and text items.
std::vector<int> sceneDataDiffering(const SceneImage& copy, const SceneImage& original);
std::vector<int> sceneTextsDiffering(const SceneImage& copy, const SceneImage& original);

} // namespace v32::e2e
