#include "BriefFaderRig.h"

#include "ui/pages/home/BriefFaderPage.h"

#include <QTest>
#include <gtest/gtest.h>

namespace v32::fadertest {

BriefFaderRig::BriefFaderRig() {
    registry.install(PageId::Home, [this](QWidget* container, PageId) {
        return createBriefFaderPage(container, screens, navigation);
    });
    navigation.setPageOpener(
        [this](PageId id, std::int32_t argument) { openedPages.emplace_back(id, argument); });
    root = std::make_unique<RootScreen>(
        RootScreenSetup{registry, clock, fonts, images, pinyin, TextEntryMode::NativeBox, false});
    screens.root = root.get();
    hooks = std::make_unique<RootScreenHooks>(*root);
    model.setWriteListener(hooks.get());
    root->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(root.get()));
}

BriefFaderRig::~BriefFaderRig() {
    model.setWriteListener(nullptr);
}

BriefFaderPage* BriefFaderRig::openPage() {
    root->openPage(PageId::Home, 0);
    return qobject_cast<BriefFaderPage*>(root->currentPage());
}

void BriefFaderRig::report(ParamId id, std::uint16_t value) {
    model.storeReported(id, value);
    hooks->pageParameter(id, value, true);
}

} // namespace v32::fadertest
