#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <cstdint>

namespace v32 {

class Button;
class EqCompactGraph;
class Fader;
class FlatButton;
class FontCache;
class ImageCache;
class PanSlider;
class ScaleMeter;
class TextLabel;

// One cell of the bank overview: the channel's name, input gain and 48v, a small picture of
// its equaliser, pan, a two-channel meter beside the fader, gate and compressor lamps, M and
// S, and the fader level. It reports what the user does as actionTaken() and writes
// no parameter itself.
class BriefStrip : public StyledWidget {
    Q_OBJECT

public:
    enum Action : int {
        Name = 1,
        Mute = 2,
        Solo = 3,
        Phantom = 4,
        FaderMoved = 5,
        PanMoved = 6,
    };

    // The fall limit of the strip meters: a full fall takes ten updates.
    static constexpr int kMeterFallPercent = 10;
    static constexpr int kDefaultEqBands = 4;

    BriefStrip(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    void setName(const QString& name);
    QString name() const;
    void setMuted(bool muted);
    void setSoloed(bool soloed);
    void setPhantom(bool on);
    // Moves the fader and writes the level text.
    void setFaderLevel(double decibels);
    double faderLevel() const;
    // The input gain in dB, shown with one decimal.
    void setGain(double decibels);
    void setPan(int pan);
    void setGateOn(bool on);
    void setCompressorOn(bool on);
    // Buses name their compressor "COMP" instead of "C".
    void setCompressorCaption(const QString& caption);

    // Effect returns and buses have no gain, pan, 48v or gate.
    void setInputControlsShown(bool shown);
    void setMetersShown(bool shown);
    // Inputs and effect returns show four equaliser bands, buses seven; a new count
    // replaces the picture with a flat one of that many bands.
    void setEqBandCount(int count);
    // One level byte per meter side, falling at the strip meters' rate.
    void setMeterLevels(std::int8_t left, std::int8_t right);

    Fader* fader() const { return m_fader; }
    PanSlider* panSlider() const { return m_pan; }
    EqCompactGraph* eqGraph() const { return m_eq; }
    ScaleMeter* leftMeter() const { return m_leftMeter; }
    ScaleMeter* rightMeter() const { return m_rightMeter; }
    Button* nameButton() const { return m_name; }
    Button* phantomButton() const { return m_phantom; }
    Button* muteButton() const { return m_mute; }
    Button* soloButton() const { return m_solo; }
    FlatButton* gateLamp() const { return m_gate; }
    FlatButton* compressorLamp() const { return m_compressor; }
    TextLabel* gainLabel() const { return m_gain; }
    TextLabel* levelLabel() const { return m_level; }

    QSize sizeHint() const override;

signals:
    void actionTaken(Action action);

private:
    void layOut();

    Button* m_name;
    TextLabel* m_gain;
    Button* m_phantom;
    EqCompactGraph* m_eq;
    PanSlider* m_pan;
    ScaleMeter* m_leftMeter;
    ScaleMeter* m_rightMeter;
    Fader* m_fader;
    FlatButton* m_gate;
    FlatButton* m_compressor;
    Button* m_mute;
    Button* m_solo;
    TextLabel* m_level;
};

} // namespace v32
