#include "ui/pages/home/BriefFaderPage.h"

#include "app/core/Translation.h"
#include "app/link/ControlPanel.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelLabel.h"
#include "app/model/StereoSendMode.h"
#include "app/protocol/FixedParams.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/FaderPageMixTile.h"
#include "ui/pages/home/FaderPageSendTile.h"
#include "ui/pages/home/FaderPageSidePanel.h"
#include "ui/toolkit/framework/StackContainer.h"

#include <QHBoxLayout>

namespace v32 {

namespace {

constexpr int kMonoInputCount = 28;
constexpr int kSpacing = 6;
constexpr int kInputBanks[] = {0, 1};
constexpr int kStereoEffectsAuxBanks[] = {2, 3};
// The wheel; the panel's other encoders belong to the editors' parameters.
constexpr int kFaderEncoder = 0;

// The caption's format is translated first; its one number is the channel count.
QString countedCaption(const char* format, int count) {
    return QString::fromUtf8(translate(format))
        .replace(QLatin1String("%d"), QString::number(count));
}

QString pageLabelOf(BriefFaderPage::Tile tile) {
    if (tile == BriefFaderPage::Tile::StereoEffectsAux) {
        return countedCaption("STEREO-FX-AUX%d", SendOnFader::kAuxCount);
    }
    return countedCaption("CH1-CH%d", kMonoInputCount);
}

} // namespace

BriefFaderPage::BriefFaderPage(QWidget* parent, ScreenContext& screens, HomeNavigation& navigation)
    : Page(parent)
    , m_screens(screens)
    , m_inputs(new FaderPageMixTile(screens, navigation, kInputBanks[0], kInputBanks[1]))
    , m_stereoEffectsAux(new FaderPageMixTile(screens, navigation, kStereoEffectsAuxBanks[0],
                                              kStereoEffectsAuxBanks[1]))
    , m_sends(new FaderPageSendTile(screens))
    , m_side(new FaderPageSidePanel(screens.fonts, this))
    , m_tiles(new StackContainer(this)) {
    m_tiles->add(m_inputs);
    m_tiles->add(m_stereoEffectsAux);
    m_tiles->add(m_sends);
    m_tiles->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    row->addWidget(m_tiles, 1);
    row->addWidget(m_side);

    m_rebuildTimer.setSingleShot(true);
    m_rebuildTimer.setInterval(kRebuildDelayMs);
    connect(&m_rebuildTimer, &QTimer::timeout, this, &BriefFaderPage::rebuild);
    connect(m_side, &FaderPageSidePanel::pageSelectionClicked, this,
            &BriefFaderPage::switchFaderTile);
    connect(m_side, &FaderPageSidePanel::busChosen, this, &BriefFaderPage::showSends);
    connect(m_side, &FaderPageSidePanel::mainChosen, this, [this] { showFaders(m_faderTile); });
    showFaders(Tile::Inputs);
    bindParameters();
}

// The stereo inputs' sides and the colours change which strips stand where: they are read
// again 50 ms after the last change.
void BriefFaderPage::bindParameters() {
    ParamBindings& page = bindings();
    const auto relayOut = [this](ParamId, std::uint16_t) { m_rebuildTimer.start(); };
    page.watchRange(FixedParam::kFirstSendMode, FixedParam::kLastSendMode, relayOut);
    page.watchRange(FixedParam::kFirstChannelColour, FixedParam::kLastChannelColour, relayOut);
    page.attach(m_inputs->bindings());
    page.attach(m_stereoEffectsAux->bindings());
    page.attach(m_sends->bindings());
}

// A rebuild due now would hand its values to the page that comes next; entering again
// rebuilds anyway.
void BriefFaderPage::leave() {
    m_rebuildTimer.stop();
}

void BriefFaderPage::enter() {
    present();
}

void BriefFaderPage::open(const OpenArgument& /*argument*/) {
    present();
}

// Whatever the page shows is read again (opening replays the bindings), and the panel's
// page key lights this page.
void BriefFaderPage::present() {
    rebuild();
    if (m_screens.panel != nullptr) {
        m_screens.panel->setCurrentPage(PanelPage::FaderPage);
    }
    m_screens.refreshPanelLights();
}

// On the sends the button leads back to the faders it names; on the faders it switches
// to the other tile.
void BriefFaderPage::switchFaderTile() {
    if (m_shown == Tile::Sends) {
        showFaders(m_faderTile);
        return;
    }
    showFaders(m_faderTile == Tile::Inputs ? Tile::StereoEffectsAux : Tile::Inputs);
}

void BriefFaderPage::showFaders(Tile tile) {
    m_faderTile = tile;
    m_shown = tile;
    m_tiles->show(tile == Tile::Inputs ? static_cast<QWidget*>(m_inputs) : m_stereoEffectsAux);
    m_side->setPageLabel(pageLabelOf(tile));
    m_side->showSendsOn(std::nullopt);
}

void BriefFaderPage::showSends(SendBus bus) {
    m_shown = Tile::Sends;
    m_sends->showBus(bus);
    m_tiles->show(m_sends);
    m_side->showSendsOn(bus);
    m_screens.replay(m_sends->bindings());
}

// A side change can move a stereo input's strip to its other half's send, so the sends
// are shown from the model again.
void BriefFaderPage::rebuild() {
    m_inputs->rebuild();
    m_stereoEffectsAux->rebuild();
    m_sends->rebuild();
    m_screens.replay(m_sends->bindings());
    emit stripsRebuilt();
}

void BriefFaderPage::encoder(int encoder, int step) {
    if (encoder != kFaderEncoder) {
        return;
    }
    switch (m_shown) {
    case Tile::Inputs:
        m_inputs->stepSelected(step);
        break;
    case Tile::StereoEffectsAux:
        m_stereoEffectsAux->stepSelected(step);
        break;
    case Tile::Sends:
        m_sends->stepSelected(step);
        break;
    }
}

void BriefFaderPage::channelName(int slot, std::string_view name) {
    const QString shown = QString::fromUtf8(ChannelLabel::shown(slot, name).c_str());
    m_inputs->channelName(slot, shown);
    m_stereoEffectsAux->channelName(slot, shown);
    m_sends->channelName(slot, shown);
}

Page* createBriefFaderPage(QWidget* container, ScreenContext& screens, HomeNavigation& navigation) {
    return new BriefFaderPage(container, screens, navigation);
}

} // namespace v32
