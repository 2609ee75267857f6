#pragma once

#include "app/model/OfflineModel.h"
#include "ui/pages/ScreenSet.h"
#include "ui/toolkit/textentry/PinyinDictionary.h"

namespace v32 {

// Everything a gallery picture is drawn from: the program's resources and a parameter model
// that holds the factory defaults and never talks to a device. The clock stands still, so
// that every picture comes out the same each time.
struct GalleryContext {
    OfflineModel offline;
    ParamModel& model = offline.model;
    const DefaultTable& defaults = offline.defaults;
    ManualClock& clock = offline.clock;
    // The screens as the program builds them; attached to the root screen being drawn.
    ScreenSet screenSet{model};
    FontCache& fonts = screenSet.fonts();
    ImageCache& images = screenSet.images();
    ScreenContext& screens = screenSet.screens();
    const PinyinDictionary& pinyin = PinyinDictionary::builtIn();
};

} // namespace v32
