#include "ScreenRig.h"

#include <QTest>
#include <gtest/gtest.h>

namespace v32 {

std::unique_ptr<RootScreen> ScreenRig::makeRoot(TextEntryMode mode, bool globalBar) {
    auto root = std::make_unique<RootScreen>(
        RootScreenSetup{registry, clock, fonts, images, pinyin, mode, globalBar});
    root->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(root.get()));
    return root;
}

} // namespace v32
