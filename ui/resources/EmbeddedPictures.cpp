#include "ui/resources/EmbeddedPictures.h"

// Generated at build time from the SVG sources of the arrows.
#include "SelectorArrowPngs.h"

namespace v32 {

namespace {

template <std::size_t Size>
QByteArrayView bytesOf(const std::array<unsigned char, Size>& png) {
    return QByteArrayView(png.data(), static_cast<qsizetype>(png.size()));
}

} // namespace

QByteArrayView selectorArrowPng(SelectorArrow arrow) {
    return arrow == SelectorArrow::Left ? bytesOf(embedded::kSelectorArrowLeftPng)
                                        : bytesOf(embedded::kSelectorArrowRightPng);
}

} // namespace v32
