#pragma once

class QWidget;

namespace v32 {

class HomeNavigation;
class Page;
struct ScreenContext;

// Builds page 4, the full fader page: every input, effect return and AUX bus on mini strips
// in two tiles, and the sends of every input to one AUX or FX bus on faders.
Page* createBriefFaderPage(QWidget* container, ScreenContext& screens, HomeNavigation& navigation);

} // namespace v32
