#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <functional>

namespace v32 {

class Button;
class Fader;
class FontCache;
class ImageCache;
class TextLabel;

// One side of the MAIN section: its side's letter, "M" and "S", a small fader and the level.
// It reports what the user does and writes nothing itself.
class MainStrip : public StyledWidget {
    Q_OBJECT

public:
    enum Action : int {
        Mute = 1,
        Solo = 2,
        FaderMoved = 3,
    };
    using Callback = std::function<void(int action)>;

    MainStrip(FontCache& fonts, ImageCache& images, const QString& side, QWidget* parent = nullptr);

    void setCallback(Callback callback) { m_callback = std::move(callback); }

    void setMuted(bool muted);
    void setSoloed(bool soloed);
    void setFaderLevel(double decibels);

    Button& muteButton() const { return *m_mute; }
    Button& soloButton() const { return *m_solo; }
    Fader& fader() const { return *m_fader; }
    TextLabel& levelLabel() const { return *m_level; }

private:
    void report(Action action);

    TextLabel* m_side;
    Button* m_mute;
    Button* m_solo;
    Fader* m_fader;
    TextLabel* m_level;
    Callback m_callback;
};

} // namespace v32
