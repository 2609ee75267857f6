#include "GalleryScenes.h"

namespace v32 {

std::span<const GalleryScene> deviceListGalleryScenes() {
    return {};
}

} // namespace v32
