#pragma once

#include <QString>

namespace v32 {

// One row of a scroll list: its text, a second text drawn right after it (a folder's file
// count, say) and the owner's key for what the row stands for (a file's place in the disk
// listing, say), which comes back when the row is tapped.
struct ScrollListEntry {
    static constexpr int kNoKey = -1;

    QString text;
    QString secondText;
    int key = kNoKey;
};

} // namespace v32
