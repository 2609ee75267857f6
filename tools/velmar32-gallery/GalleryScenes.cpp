#include "GalleryScenes.h"

#include "FrameworkSamplePage.h"
#include "GalleryContext.h"
#include "app/core/Translation.h"
#include "app/link/Dispatcher.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/ProgressOverlay.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/framework/Toast.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/textentry/KeyboardEntry.h"
#include "ui/toolkit/textentry/OnScreenKeyboard.h"
#include "ui/toolkit/textentry/TextEntryPopup.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

// Fills the empty home page with the framework's sample page.
void installSample(PageRegistry& registry, GalleryContext& context) {
    registry.install(PageId::Home, [&context](QWidget* container, PageId) {
        return new FrameworkSamplePage(container, context.fonts);
    });
}

QWidget* openSample(GalleryStage& stage) {
    stage.root.openPage(PageId::Home, OpenArgument::tab(0));
    return nullptr;
}

QWidget* showOnline(GalleryStage& stage) {
    openSample(stage);
    stage.root.showOnlineState(true);
    GlobalBar* bar = stage.root.globalBar();
    const int levels[] = {12, 30, 45, 60, 22, 8, 0, 51};
    for (int bank = 0; bank <= GlobalBar::kBankCount; ++bank) {
        for (int meter = 0; meter < 8; ++meter) {
            bar->setMeterLevel(bank, meter, levels[(bank + meter) % 8]);
        }
    }
    bar->selectTab(GlobalBarTab::Inputs9To16);
    return nullptr;
}

QWidget* showToast(GalleryStage& stage) {
    openSample(stage);
    stage.root.toast().showMessage(QString::fromUtf8(translate("SAVE SUCCESS!")), palette::kGreen,
                                   1500);
    return nullptr;
}

QWidget* showProgress(GalleryStage& stage) {
    openSample(stage);
    stage.root.progress().showProgress(
        QString::fromUtf8(translate("Factory reset in progress...\nPlease wait a moment.")));
    return nullptr;
}

QWidget* showConnectionIssue(GalleryStage& stage) {
    openSample(stage);
    stage.root.showConnectionIssue(QString::fromUtf8(translate(Dispatcher::kConnectionIssueText)));
    return nullptr;
}

// A name field on the sample page, as the version page has one.
TextLabel* addNameField(GalleryStage& stage) {
    auto* field = new TextLabel(&stage.root.screenLayer(), QStringLiteral("VELMAR32"));
    field->setFont(stage.context.fonts.fontOfSize(24));
    field->setBackground(palette::kGrey25);
    field->setRadius(6);
    field->setGeometry(440, 300, 400, 56);
    field->show();
    return field;
}

QWidget* openNativeEntry(GalleryStage& stage) {
    openSample(stage);
    TextLabel* field = addNameField(stage);
    stage.root.textEntry().setEditIconHook([](QWidget*, int, std::uint32_t) {});
    stage.root.textEntry().open({{}, field, 6000, 0, std::nullopt, field->text()});
    return nullptr;
}

QWidget* openKeyboardEntry(GalleryStage& stage, int fieldId, const QString& text) {
    openSample(stage);
    TextLabel* field = addNameField(stage);
    stage.root.textEntry().open({{}, field, fieldId, 0, std::nullopt, text});
    return nullptr;
}

QWidget* typePinyin(GalleryStage& stage) {
    openKeyboardEntry(stage, 6000, QStringLiteral("MIX "));
    OnScreenKeyboard& keyboard = stage.root.textEntry().keyboardEntry()->keyboard();
    for (const QChar letter : QStringLiteral("yinyue")) {
        emit keyboard.keyActivated(KeyAction::Insert, QString(letter));
    }
    return nullptr;
}

QWidget* typeNumber(GalleryStage& stage) {
    return openKeyboardEntry(stage, 2513, QStringLiteral("1000"));
}

constexpr GalleryOptions kWithKeyboard{.globalBar = true,
                                       .textEntry = TextEntryMode::OnScreenKeyboard};

// One line per picture.
const GalleryScene kScenes[] = {
    {"root-layout", {}, installSample, openSample},
    {"root-without-global-bar", {.globalBar = false}, installSample, openSample},
    {"global-bar-online", {}, installSample, showOnline},
    {"toast", {}, installSample, showToast},
    {"progress-overlay", {}, installSample, showProgress},
    {"connection-issue", {}, installSample, showConnectionIssue},
    {"text-entry-native", {}, installSample, openNativeEntry},
    {"text-entry-keyboard-text", kWithKeyboard, installSample, typePinyin},
    {"text-entry-keyboard-number", kWithKeyboard, installSample, typeNumber},
};

} // namespace

std::span<const GalleryScene> frameworkGalleryScenes() {
    return kScenes;
}

std::vector<GalleryScene> galleryScenes() {
    std::vector<GalleryScene> scenes;
    for (const std::span<const GalleryScene> list :
         {frameworkGalleryScenes(), widgetGalleryScenes(), listGalleryScenes(),
          curveGalleryScenes(), homeGalleryScenes(), faderPageGalleryScenes(),
          deviceListGalleryScenes()}) {
        scenes.insert(scenes.end(), list.begin(), list.end());
    }
    return scenes;
}

} // namespace v32
