#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace v32 {

struct ScreenContext;

// Renaming a channel by touch: the text entry opens over the name with the name shown now;
// what is typed becomes the slot's name, and an empty text gives the default name back.
class ChannelRename {
public:
    // Names keep at most this many bytes of UTF-8.
    static constexpr std::size_t kMaximumBytes = 31;

    // Calls renamed once the slot's name has changed.
    static void ask(ScreenContext& screens, QWidget& target, int slot,
                    std::function<void()> renamed);
    // The name as stored: at most kMaximumBytes of UTF-8, never cut inside a character.
    static std::string storedName(const QString& text);
    // The name a slot is shown with.
    static QString shownName(const ScreenContext& screens, int slot);
};

} // namespace v32
