#pragma once

#include <QString>

namespace v32 {

// One row of a scroll list: its text, a second text drawn right after it (a folder's file
// count, say) and the owner's pointer that comes back when the row is tapped.
struct ScrollListEntry {
    QString text;
    QString secondText;
    void* user = nullptr;
};

} // namespace v32
