#include "GalleryContext.h"
#include "GalleryScenes.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelSlot.h"
#include "app/model/LinkedWrites.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankGrid.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/MeterBridge.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/graphs/EqGraph.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"

#include <QEventLoop>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <utility>

namespace v32 {

namespace {
constexpr std::uint16_t kPreFader = 0x8000;
constexpr std::int8_t kSilent = -128;
constexpr std::uint16_t kSilentWord = 0x8080;

// Every scene starts from the factory defaults, with no user names.
void installHome(PageRegistry& registry, GalleryContext& context) {
    for (int id = 0; id < kParamCount; ++id) {
        context.model.storeWithoutSending(static_cast<ParamId>(id),
                                          context.defaults.of(static_cast<ParamId>(id)));
    }
    for (int slot = 0; slot < ChannelSlot::kCount; ++slot) {
        context.model.channelNames().store(slot, "");
    }
    // Silence until a scene gives a channel a level.
    for (const auto& [first, last] : {std::pair<ParamId, ParamId>{2, 18}, {2854, 2867}}) {
        for (int word = first; word <= last; ++word) {
            context.model.storeWithoutSending(static_cast<ParamId>(word), kSilentWord);
        }
    }
    // Every scene starts where the program starts: on the first bank, nothing remembered.
    context.screenSet.navigation() = HomeNavigation();
    context.screenSet.install(registry);
}

void store(GalleryContext& context, Channel channel, int number, std::uint16_t value) {
    context.model.storeWithoutSending(paramId(channel.kind, channel.index, number), value);
}

void storeFader(GalleryContext& context, Channel channel, double decibels) {
    store(context, channel, kNumberFader, toRaw(ValueFaderLevel, decibels));
}

// Meter words hold the even channel in the high byte.
void storeMeterPair(GalleryContext& context, ParamId word, std::int8_t even, std::int8_t odd) {
    context.model.storeWithoutSending(
        word, static_cast<std::uint16_t>((static_cast<std::uint8_t>(even) << 8) |
                                         static_cast<std::uint8_t>(odd)));
}

void storeColour(GalleryContext& context, int slot, std::uint16_t colour) {
    context.model.storeWithoutSending(ChannelColour::paramOf(slot), colour);
}

void storeName(GalleryContext& context, int slot, const char* name) {
    context.model.channelNames().store(slot, name);
}

// The equaliser pictures take in their bands a little later, all at once.
void waitForCurves() {
    QEventLoop loop;
    QTimer::singleShot(EqGraph::kRecomputeIntervalMs * 2, &loop, &QEventLoop::quit);
    loop.exec();
}

BankOverviewPage* overview(GalleryStage& stage) {
    return stage.root.findChild<BankOverviewPage*>();
}

// Shows the bank as the program would after the mixer's values arrived, with the link up
// and the meters moved once.
QWidget* showBank(GalleryStage& stage, int bank, int slot) {
    stage.root.showOnlineState(true);
    stage.root.openPage(PageId::Home);
    HomeNavigation& navigation = stage.context.screenSet.navigation();
    navigation.setCurrentBank(bank);
    navigation.openPage(PageId::BriefChannel,
                        slot >= 0 ? OpenArgument::channelSlot(slot) : OpenArgument::ownChoice());
    if (BankOverviewPage* page = overview(stage)) {
        page->refreshCellMeters();
        page->meterBridge().refresh();
    }
    waitForCurves();
    return nullptr;
}

void storeInputs(GalleryContext& context) {
    const double faders[] = {0, -5, -10, 3.6, -20, -120, -2.8, 5, -30, -8.6, 0, -15, -40, 10};
    const std::int8_t meters[] = {-6, -12, 0, -20, 3, kSilent, -3, 6, -30, -10, -1, -18, -40, 8};
    const std::uint16_t gains[] = {32, 28, 20, 20, 44, 10, 36, 0, 15, 40, 25, 30, 5, 50};
    for (int input = 0; input < 14; ++input) {
        const Channel channel{KindInput, input};
        storeFader(context, channel, faders[input]);
        store(context, channel, 8, gains[input]);
        store(context, channel, 2, input % 3 == 0 ? 1 : 0);
        store(context, channel, 39, input % 4 == 1 ? 1 : 0);
    }
    for (int word = 0; word < 7; ++word) {
        storeMeterPair(context, static_cast<ParamId>(2 + word), meters[2 * word],
                       meters[2 * word + 1]);
    }
    // CH3 and CH4 are a linked pair, panned apart.
    context.model.storeWithoutSending(FixedParam::kInputLinks, 1U << 1);
    store(context, {KindInput, 2}, 11, 40);
    store(context, {KindInput, 3}, 11, 160);
    store(context, {KindInput, 6}, 11, 130);
    // Phantom power on the condenser microphones, CH6 muted, CH8 soloed.
    store(context, {KindInput, 0}, 1, 1);
    store(context, {KindInput, 9}, 1, 1);
    store(context, {KindInput, 5}, 10, 0);
    store(context, {KindInput, 7}, 31, 1200);
    // A high-pass filter and a few bands.
    store(context, {KindInput, 0}, 48, 20);
    store(context, {KindInput, 0}, 49, 100);
    store(context, {KindInput, 0}, 54, 560);
    store(context, {KindInput, 0}, 66, 440);
    store(context, {KindInput, 9}, 58, 580);
    store(context, {KindInput, 9}, 62, 430);
    for (const auto& [slot, colour] : std::initializer_list<std::pair<int, std::uint16_t>>{
             {0, 9}, {1, 9}, {2, 3}, {3, 3}, {8, 6}, {9, 8}, {10, 5}, {11, 5}}) {
        storeColour(context, slot, colour);
    }
    storeName(context, 0, "KICK");
    storeName(context, 1, "SNARE");
    storeName(context, 9, "VOX");
    // CH1's sends, some of them before the fader.
    for (int aux = 0; aux < 14; ++aux) {
        const auto level = static_cast<std::uint16_t>(aux < 6 ? 1200 - aux * 90 : 0);
        store(context, {KindInput, 0}, InputNumber::kFirstAuxSend + aux,
              aux % 2 == 0 ? kPreFader | level : level);
    }
    store(context, {KindInput, 0}, 29, 1200);
    store(context, {KindInput, 0}, InputNumber::kMainRightSend, FaderLevel::kUnity);
    store(context, {KindInput, 0}, 33, 1000);
    store(context, {KindInput, 0}, 34, kPreFader | 820);
}

void storeMain(GalleryContext& context) {
    storeFader(context, {KindBus, 16}, -3.3);
    storeFader(context, {KindBus, 17}, -3.3);
    context.model.storeWithoutSending(FixedParam::kMainOutputScaling, 100 | (100 << 8));
    storeMeterPair(context, 2862, -4, -6);
}

void storeBridge(GalleryContext& context) {
    const std::int8_t levels[] = {-8, -14, 2, -22, -4, -30, -2, 7, -12, kSilent};
    for (int word = 7; word <= 18; ++word) {
        storeMeterPair(context, static_cast<ParamId>(word), levels[word % 10],
                       levels[(word + 3) % 10]);
    }
    for (int word = 2854; word <= 2861; ++word) {
        storeMeterPair(context, static_cast<ParamId>(word), levels[word % 10],
                       levels[(word + 5) % 10]);
    }
    for (int effect = 0; effect < 4; ++effect) {
        storeMeterPair(context, static_cast<ParamId>(2864 + effect), levels[effect + 2],
                       levels[effect + 3]);
    }
}

QWidget* showInputBank(GalleryStage& stage) {
    storeBridge(stage.context);
    storeInputs(stage.context);
    storeMain(stage.context);
    return showBank(stage, 0, 0);
}

QWidget* showStereoAndEffects(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    storeBridge(context);
    for (const int input : {28, 30, 32}) {
        storeFader(context, {KindInput, input}, input == 32 ? -6 : 0);
        store(context, {KindInput, input}, 8, 18);
    }
    storeMeterPair(context, 16, -6, -9);
    storeMeterPair(context, 17, -14, -12);
    storeMeterPair(context, 18, 1, 0);
    const double effectFaders[] = {-5, -10, 0, -120};
    for (int effect = 0; effect < 4; ++effect) {
        storeFader(context, {KindEffect, effect}, effectFaders[effect]);
        storeMeterPair(context, static_cast<ParamId>(2864 + effect),
                       static_cast<std::int8_t>(-10 - 4 * effect),
                       static_cast<std::int8_t>(-12 - 4 * effect));
    }
    store(context, {KindEffect, 1}, 182, 0);
    storeColour(context, 28, 2);
    storeColour(context, 30, 2);
    storeColour(context, 32, 12);
    for (int effect = 0; effect < 4; ++effect) {
        storeColour(context, ChannelSlot::of(KindEffect, effect), 7);
    }
    storeName(context, 32, "PLAYBACK");
    // CH29/30 sends to MAIN R from its right half, and to AUX3 from the right half only.
    store(context, {KindInput, 28}, 29, 1200);
    store(context, {KindInput, 29}, 30, 1100);
    store(context, {KindInput, 28}, 13, 1200);
    context.model.storeWithoutSending(FixedParam::kFirstSendMode, 2U << 4);
    store(context, {KindInput, 29}, 15, kPreFader | 1000);
    storeMain(context);
    return showBank(stage, 2, 28);
}

QWidget* showAuxBank(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    storeBridge(context);
    const double faders[] = {0, 0, -4, -8, 2, -12, -120, -6, 0, -3, -10, -20, 0, 5};
    for (int aux = 0; aux < 14; ++aux) {
        storeFader(context, {KindBus, aux}, faders[aux]);
        store(context, {KindBus, aux}, 78, aux % 3 == 0 ? 1 : 0);
    }
    for (int word = 2854; word <= 2860; ++word) {
        storeMeterPair(context, static_cast<ParamId>(word), static_cast<std::int8_t>(-4 - word % 7),
                       static_cast<std::int8_t>(-9 - word % 5));
    }
    // AUX1 and AUX2 are the linked in-ear mix.
    context.model.storeWithoutSending(FixedParam::kBusLinks, 1U << 0);
    store(context, {KindBus, 4}, 74, 0);
    store(context, {KindBus, 2}, 84, 1200);
    for (int aux = 0; aux < 4; ++aux) {
        storeColour(context, ChannelSlot::of(KindBus, aux), aux < 2 ? 4 : 1);
    }
    storeName(context, ChannelSlot::of(KindBus, 0), "IEM L");
    storeName(context, ChannelSlot::of(KindBus, 1), "IEM R");
    storeName(context, ChannelSlot::of(KindBus, 2), "WEDGE");
    store(context, {KindBus, 0}, 95, 560);
    store(context, {KindBus, 0}, 107, 430);
    storeMain(context);
    return showBank(stage, 3, -1);
}

QWidget* showDcaBank(GalleryStage& stage) {
    GalleryContext& context = stage.context;
    storeBridge(context);
    const double faders[] = {0, -5, -10, 2, -120, -3, -20, 0};
    for (int dca = 0; dca < 8; ++dca) {
        storeFader(context, {KindDca, dca}, faders[dca]);
        store(context, {KindDca, dca}, 235, dca == 4 ? 0 : 1);
    }
    storeName(context, ChannelSlot::of(KindDca, 0), "DRUMS");
    storeName(context, ChannelSlot::of(KindDca, 1), "VOCALS");
    storeMain(context);
    return showBank(stage, 4, -1);
}

QWidget* askForPhantom(GalleryStage& stage) {
    showInputBank(stage);
    if (BankOverviewPage* page = overview(stage)) {
        page->grid().cell(2).strip().phantomButton()->click();
    }
    return nullptr;
}

constexpr GalleryOptions kWithoutGlobalBar{.globalBar = false};

const GalleryScene kScenes[] = {
    {"home-bank-inputs", kWithoutGlobalBar, installHome, showInputBank},
    {"home-bank-inputs-global-bar", {}, installHome, showInputBank},
    {"home-bank-stereo-fx", kWithoutGlobalBar, installHome, showStereoAndEffects},
    {"home-bank-aux", kWithoutGlobalBar, installHome, showAuxBank},
    {"home-bank-dca", kWithoutGlobalBar, installHome, showDcaBank},
    {"home-phantom-confirmation", kWithoutGlobalBar, installHome, askForPhantom},
};

} // namespace

std::span<const GalleryScene> homeGalleryScenes() {
    return kScenes;
}

} // namespace v32
