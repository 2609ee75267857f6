#include "GalleryScenes.h"

namespace v32 {

std::span<const GalleryScene> faderPageGalleryScenes() {
    return {};
}

} // namespace v32
