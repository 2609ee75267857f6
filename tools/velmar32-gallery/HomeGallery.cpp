#include "GalleryScenes.h"

namespace v32 {

std::span<const GalleryScene> homeGalleryScenes() {
    return {};
}

} // namespace v32
