#pragma once

#include "app/model/SendOnFader.h"
#include "ui/toolkit/framework/Page.h"

#include <QTimer>
#include <optional>

class QWidget;

namespace v32 {

class FaderPageMixTile;
class FaderPageSendTile;
class FaderPageSidePanel;
class HomeNavigation;
class StackContainer;
struct ScreenContext;

// Page 4, the full fader page: every input, effect return and AUX bus on mini strips in
// two tiles, and the sends of every channel to one AUX or FX bus on faders. The strips
// show only what the parameter hook tells them; names, colours and the stereo inputs' sides
// are read again 50 ms after the last change of a side or colour word.
class BriefFaderPage : public Page {
    Q_OBJECT

public:
    enum class Tile {
        Inputs,
        StereoEffectsAux,
        Sends,
    };

    static constexpr int kRebuildDelayMs = 50;

    BriefFaderPage(QWidget* parent, ScreenContext& screens, HomeNavigation& navigation);

    void leave() override;
    void enter() override;
    void open(const OpenArgument& argument) override;
    void encoder(int encoder, int step) override;
    void channelName(int slot, std::string_view name) override;

    Tile shownTile() const { return m_shown; }
    FaderPageMixTile& inputTile() const { return *m_inputs; }
    FaderPageMixTile& stereoEffectsAuxTile() const { return *m_stereoEffectsAux; }
    FaderPageSendTile& sendTile() const { return *m_sends; }
    FaderPageSidePanel& sidePanel() const { return *m_side; }

signals:
    // The names, colours and sides of the strips have been read again.
    void stripsRebuilt();

private:
    void bindParameters();
    void present();
    void switchFaderTile();
    void showFaders(Tile tile);
    void showSends(SendBus bus);
    void rebuild();

    ScreenContext& m_screens;
    FaderPageMixTile* m_inputs;
    FaderPageMixTile* m_stereoEffectsAux;
    FaderPageSendTile* m_sends;
    FaderPageSidePanel* m_side;
    StackContainer* m_tiles;
    QTimer m_rebuildTimer;
    Tile m_shown = Tile::Inputs;
    Tile m_faderTile = Tile::Inputs;
};

// Builds page 4 inside its container.
Page* createBriefFaderPage(QWidget* container, ScreenContext& screens, HomeNavigation& navigation);

} // namespace v32
