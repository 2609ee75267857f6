#include "BriefFaderRig.h"

#include "ui/pages/home/BriefFaderPage.h"

#include <QTest>
#include <gtest/gtest.h>

namespace v32::fadertest {

BriefFaderRig::BriefFaderRig() {
    registry.setValues(&model);
    registry.install(PageId::Home, [this](QWidget* container, PageId) {
        return createBriefFaderPage(container, screens, navigation);
    });
    navigation.setPageOpener([this](PageId id, const OpenArgument& argument) {
        openedPages.emplace_back(id, argument.number());
    });
    root = std::make_unique<RootScreen>(
        RootScreenSetup{registry, clock, fonts, images, pinyin, TextEntryMode::NativeBox, false});
    screenSet.attach(*root);
    hooks = screenSet.hooks();
    root->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(root.get()));
}

BriefFaderRig::~BriefFaderRig() {
    screenSet.detach();
}

BriefFaderPage* BriefFaderRig::openPage() {
    root->openPage(PageId::Home, OpenArgument::tab(0));
    return qobject_cast<BriefFaderPage*>(root->currentPage());
}

void BriefFaderRig::report(ParamId id, std::uint16_t value) {
    model.storeReported(id, value);
    hooks->pageParameter(id, value, true);
}

} // namespace v32::fadertest
