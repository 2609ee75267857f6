#pragma once

#include "GalleryScene.h"

#include <span>
#include <vector>

namespace v32 {

// The pictures of each part of the program, one list per gallery file; a new list is one
// more line here and in galleryScenes().
std::span<const GalleryScene> frameworkGalleryScenes();
std::span<const GalleryScene> listGalleryScenes();
std::span<const GalleryScene> curveGalleryScenes();
std::span<const GalleryScene> widgetGalleryScenes();
std::span<const GalleryScene> homeGalleryScenes();
std::span<const GalleryScene> faderPageGalleryScenes();
std::span<const GalleryScene> deviceListGalleryScenes();

// Every picture the gallery draws, in order.
std::vector<GalleryScene> galleryScenes();

} // namespace v32
