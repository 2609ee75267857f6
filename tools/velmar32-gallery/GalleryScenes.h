#pragma once

#include "GalleryScene.h"

#include <span>

namespace v32 {

// Every picture the gallery draws, in order.
std::span<const GalleryScene> galleryScenes();

} // namespace v32
