#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QString>

namespace v32 {

class Button;
class Fader;
class FontCache;
class ImageCache;
class TextLabel;

// A full-height channel strip: name, an optional ENTER button, the fader with its dB scale,
// an optional level text, an optional OFF button, MUTE and SOLO. It reports what the user
// does as actionTaken() and writes no parameter itself; the owner writes them
// and sets the strip from what the mixer reports back.
class ChannelStrip : public StyledWidget {
    Q_OBJECT

public:
    enum Action : int {
        Enter = 1,
        Off = 2,
        Mute = 3,
        Solo = 4,
        FaderMoved = 5,
    };

    ChannelStrip(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    void setName(const QString& name);
    QString name() const;
    void setMuted(bool muted);
    void setSoloed(bool soloed);
    void setOff(bool off);
    // Moves the fader and writes the level text.
    void setFaderLevel(double decibels);
    double faderLevel() const;

    void setEnterShown(bool shown);
    void setOffShown(bool shown);
    void setLevelTextShown(bool shown);

    Fader* fader() const { return m_fader; }
    TextLabel* nameLabel() const { return m_name; }
    TextLabel* levelLabel() const { return m_level; }
    Button* enterButton() const { return m_enter; }
    Button* offButton() const { return m_off; }
    Button* muteButton() const { return m_mute; }
    Button* soloButton() const { return m_solo; }

    QSize sizeHint() const override;

signals:
    void actionTaken(Action action);

private:
    TextLabel* m_name;
    Button* m_enter;
    Fader* m_fader;
    TextLabel* m_level;
    Button* m_off;
    Button* m_mute;
    Button* m_solo;
};

} // namespace v32
