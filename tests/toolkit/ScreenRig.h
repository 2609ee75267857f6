#pragma once

#include "app/core/ManualClock.h"
#include "ui/resources/ResourceDisk.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

#include <memory>

namespace v32 {

// What a root screen is built from in the toolkit tests: the compiled resource tree, a
// clock that moves only when told to, and a small pinyin dictionary.
struct ScreenRig {
    static constexpr std::string_view kPinyin = "ni\t你\t100\nni\t泥\t50\nnihao\t你好\t80\n"
                                                "hao\t好\t90\nzhong\t中\t70\nzhongguo\t中国\t60\n";

    ResourceDisk disk;
    FontCache fonts{disk};
    ImageCache images{disk};
    ManualClock clock{1000};
    PageRegistry registry;
    PinyinDictionary pinyin{kPinyin};

    // Shown, so that touches and focus reach it as they reach the real window.
    std::unique_ptr<RootScreen> makeRoot(TextEntryMode mode = TextEntryMode::NativeBox,
                                         bool globalBar = false);
};

} // namespace v32
