#include "ui/pages/home/BriefFaderPage.h"

#include "ui/toolkit/Page.h"

namespace v32 {

// The entry point is in place for the home screen's installer; the strips follow.
Page* createBriefFaderPage(QWidget* container, ScreenContext& /*screens*/,
                           HomeNavigation& /*navigation*/) {
    return new Page(container);
}

} // namespace v32
