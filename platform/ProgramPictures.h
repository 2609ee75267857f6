#pragma once

#include <QIcon>
#include <QPixmap>

namespace v32 {

// The host's own pictures in the resource tree. Each is null when the tree lacks it, and
// the caller then does without.
class ProgramPictures {
public:
    static QIcon windowIcon();
    static QPixmap splash();
};

} // namespace v32
