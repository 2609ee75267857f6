#include "GalleryContext.h"
#include "GalleryScenes.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelSlot.h"
#include "app/model/MonitorSend.h"
#include "app/model/SendOnFader.h"
#include "app/model/StereoSendMode.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/SendLevel.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/home/BriefFaderPage.h"
#include "ui/pages/home/FaderPageSidePanel.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/TitledPanel.h"

#include <array>
#include <memory>
#include <utility>

namespace v32 {

namespace {

// Where the strips of one tile stand: a mix of levels as a sound check leaves them.
constexpr std::array<double, 14> kFaderLevels = {0.0,   -5.0, -10.0, 2.1,   -120.0, -20.0, -3.3,
                                                 -40.0, 5.0,  -7.1,  -15.0, 0.0,    -30.0, 10.0};

// Every scene starts from the factory state, whatever the pictures before it changed.
void restoreDefaults(ParamModel& model) {
    for (int slot = 0; slot < ParamModel::kChannelNameCount; ++slot) {
        model.channelNameArrived(slot, "");
    }
    for (int id = 0; id < kParamCount; ++id) {
        model.storeWithoutSending(static_cast<ParamId>(id),
                                  model.defaultOf(static_cast<ParamId>(id)));
    }
}

void setLevel(ParamModel& model, Channel channel, double decibels) {
    model.storeWithoutSending(paramId(channel.kind, channel.index, kNumberFader),
                              toRaw(ValueFaderLevel, decibels));
}

void setMuted(ParamModel& model, Channel channel) {
    model.storeWithoutSending(paramId(channel.kind, channel.index, kNumberOn), 0);
}

void setSoloed(ParamModel& model, Channel channel) {
    model.storeWithoutSending(MonitorSend::shownId(channel), MonitorSend::kOnLevel);
}

void setName(ParamModel& model, Channel channel, const char* name) {
    model.channelNameArrived(ChannelSlot::of(channel), name);
}

void setColour(ParamModel& model, Channel channel, std::uint16_t colour) {
    model.storeWithoutSending(ChannelColour::paramOf(ChannelSlot::of(channel)), colour);
}

// Drums red, bass and guitars green, keys blue, vocals yellow, as a band is often marked.
void colourInputs(ParamModel& model) {
    const std::pair<int, std::uint16_t> colours[] = {{0, 9}, {1, 9},  {2, 9},  {3, 9},
                                                     {4, 5}, {5, 5},  {6, 3},  {7, 8},
                                                     {8, 8}, {15, 5}, {16, 2}, {17, 2}};
    for (const auto& [input, colour] : colours) {
        setColour(model, {KindInput, input}, colour);
    }
}

void prepareInputs(ParamModel& model) {
    for (int index = 0; index < 28; ++index) {
        setLevel(model, {KindInput, index}, kFaderLevels[static_cast<std::size_t>(index % 14)]);
    }
    colourInputs(model);
    setName(model, {KindInput, 0}, "KICK");
    setName(model, {KindInput, 1}, "SNARE");
    setName(model, {KindInput, 7}, "VOCAL");
    setName(model, {KindInput, 15}, "ACOUSTIC GUITAR");
    setMuted(model, {KindInput, 4});
    setMuted(model, {KindInput, 19});
    setSoloed(model, {KindInput, 7});
}

void prepareStereoEffectsAux(ParamModel& model) {
    const Channel stereoAndEffects[] = {{KindInput, 28}, {KindInput, 30}, {KindEffect, 0},
                                        {KindEffect, 1}, {KindEffect, 2}, {KindEffect, 3},
                                        {KindInput, 32}};
    int place = 0;
    for (const Channel channel : stereoAndEffects) {
        setLevel(model, channel, kFaderLevels[static_cast<std::size_t>(place++)]);
    }
    for (int index = 0; index < 14; ++index) {
        setLevel(model, {KindBus, index}, kFaderLevels[static_cast<std::size_t>(13 - index)]);
    }
    setColour(model, {KindInput, 28}, 1);
    setColour(model, {KindEffect, 0}, 7);
    setColour(model, {KindEffect, 1}, 7);
    setColour(model, {KindBus, 0}, 10);
    setColour(model, {KindBus, 1}, 10);
    setName(model, {KindBus, 0}, "DRUMMER");
    setName(model, {KindEffect, 0}, "HALL");
    setMuted(model, {KindEffect, 2});
    setMuted(model, {KindBus, 5});
    setSoloed(model, {KindBus, 1});
}

// AUX3 is fed pre-fader by the first eight inputs and after the fader by the rest;
// CH31/32 feeds it from its right side only, with its own level there.
void prepareSendsToAux3(ParamModel& model) {
    constexpr SendBus kAux3{SendBus::Type::Aux, 2};
    for (int index = 0; index < 34; ++index) {
        const ParamId send = SendOnFader::sendId({KindInput, index}, kAux3);
        if (send == kInvalidParam) {
            continue;
        }
        const std::uint16_t level = toRaw(
            ValueSendLevel, std::min(0.0, kFaderLevels[static_cast<std::size_t>(index % 14)]));
        model.storeWithoutSending(send, SendOnFader::withPreFader(level, index < 8));
    }
    for (int index = 0; index < 4; ++index) {
        model.storeWithoutSending(SendOnFader::sendId({KindEffect, index}, kAux3),
                                  toRaw(ValueSendLevel, -10.0 * index));
    }
    model.storeWithoutSending(StereoSendMode::wordId(30, kAux3.index),
                              StereoSendMode::withMode(0, kAux3.index, StereoSendMode::kRight));
    model.storeWithoutSending(paramId(KindInput, 31, InputNumber::kFirstAuxSend + kAux3.index),
                              SendLevel::kPreFaderBit | toRaw(ValueSendLevel, -6.4));
    colourInputs(model);
    setName(model, {KindInput, 2}, "BASS DI");
    setMuted(model, {KindInput, 11});
}

void installFaderPage(PageRegistry& registry, GalleryContext& context) {
    registry.install(PageId::Home, [&context](QWidget* container, PageId) {
        return createBriefFaderPage(container, context.screens, context.screenSet.navigation());
    });
}

// The page where the program shows it: under the home screen's tabs.
void installHome(PageRegistry& registry, GalleryContext& context) {
    context.screenSet.navigation() = HomeNavigation();
    context.screenSet.install(registry);
}

QWidget* showInHome(GalleryStage& stage) {
    restoreDefaults(stage.context.model);
    prepareInputs(stage.context.model);
    stage.root.openPage(PageId::Home, OpenArgument::tab(0));
    stage.context.screenSet.navigation().openPage(PageId::BriefFader);
    return nullptr;
}

BriefFaderPage* openFaderPage(GalleryStage& stage) {
    stage.root.openPage(PageId::Home, OpenArgument::tab(0));
    return qobject_cast<BriefFaderPage*>(stage.root.currentPage());
}

QWidget* showInputs(GalleryStage& stage) {
    restoreDefaults(stage.context.model);
    prepareInputs(stage.context.model);
    openFaderPage(stage);
    return nullptr;
}

QWidget* showStereoEffectsAux(GalleryStage& stage) {
    restoreDefaults(stage.context.model);
    prepareStereoEffectsAux(stage.context.model);
    if (BriefFaderPage* page = openFaderPage(stage)) {
        page->sidePanel().pageSelection()->click();
    }
    return nullptr;
}

QWidget* showSendsToAux3(GalleryStage& stage) {
    restoreDefaults(stage.context.model);
    prepareSendsToAux3(stage.context.model);
    if (BriefFaderPage* page = openFaderPage(stage)) {
        page->sidePanel().busButton({SendBus::Type::Aux, 2})->click();
    }
    return nullptr;
}

constexpr GalleryOptions kWithoutBar{.globalBar = false};

const GalleryScene kScenes[] = {
    {"fader-page-inputs", kWithoutBar, installFaderPage, showInputs},
    {"fader-page-stereo-fx-aux", kWithoutBar, installFaderPage, showStereoEffectsAux},
    {"fader-page-sends-aux3", kWithoutBar, installFaderPage, showSendsToAux3},
    {"fader-page-in-home", kWithoutBar, installHome, showInHome},
};

} // namespace

std::span<const GalleryScene> faderPageGalleryScenes() {
    return kScenes;
}

} // namespace v32
