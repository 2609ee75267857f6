#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <functional>

namespace v32 {

class ChannelStrip;
class FaderPageColourBar;
class FlatButton;
class FontCache;
class ImageCache;

// A strip of the sends on faders: the channel's colour and name, MUTE and SOLO, a fader on the send
// scale for its send to the chosen bus, "PRE" and "POS" for where the send is taken, and
// for a stereo input the "L" and "R" buttons that choose which of its sides feeds an AUX.
// Like every strip it reports what the user does and writes no parameter itself.
class FaderPageSendStrip : public StyledWidget {
    Q_OBJECT

public:
    enum Action : int {
        Mute = 1,
        Solo,
        LevelMoved,
        PreFader,
        PostFader,
        LeftSide,
        RightSide,
    };
    using Callback = std::function<void(Action action)>;

    FaderPageSendStrip(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    void setCallback(Callback callback) { m_callback = std::move(callback); }

    void setName(const QString& name);
    QString name() const;
    // RGB 5-6-5.
    void setColour(std::uint16_t colour);
    void setMuted(bool muted);
    void setSoloed(bool soloed);
    void setSendLevel(double decibels);
    double sendLevel() const;
    void setPreFader(bool preFader);
    // The side buttons are shown only where the source has two sides for the bus; the mode
    // lights the side buttons by its bits (1 left, 2 right).
    void setSidesShown(bool shown);
    void setSides(int mode);

    ChannelStrip* channelStrip() const { return m_strip; }
    FlatButton* preButton() const { return m_pre; }
    FlatButton* postButton() const { return m_post; }
    FlatButton* leftButton() const { return m_left; }
    FlatButton* rightButton() const { return m_right; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FlatButton* makeButton(const char* caption, const QFont& font, Action action);
    QWidget* makeRow(FlatButton* first, FlatButton* second);
    void report(Action action);
    void showName();

    FaderPageColourBar* m_colourBar;
    ChannelStrip* m_strip;
    FlatButton* m_pre;
    FlatButton* m_post;
    FlatButton* m_left;
    FlatButton* m_right;
    QWidget* m_sides;
    QString m_name;
    Callback m_callback;
};

} // namespace v32
