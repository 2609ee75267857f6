#pragma once

#include <QByteArrayView>

namespace v32 {

enum class SelectorArrow {
    Left,
    Right,
};

// The PNG bytes of the channel selector's arrows, which the program carries itself rather
// than in the resource tree, so that every selector has them without a lookup.
QByteArrayView selectorArrowPng(SelectorArrow arrow);

} // namespace v32
