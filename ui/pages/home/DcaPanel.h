#pragma once

#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <cstdint>

namespace v32 {

class ChannelStrip;
class HomeNavigation;
struct ScreenContext;

// Shown instead of the grid for the DCA bank: the eight DCA faders, each with "EDIT", which
// opens the DCA's editor, and a switch that turns the DCA on and off and is captioned by its
// state. A long press on a DCA's name renames it.
class DcaPanel : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kDcaCount = 8;
    static constexpr int kSpacing = 8;

    DcaPanel(ScreenContext& screens, HomeNavigation& navigation, QWidget* parent = nullptr);

    void showName(int slot);
    // What the strips show: each DCA's on switch and fader.
    ParamBindings& bindings() { return m_bindings; }

    ChannelStrip& strip(int index) const { return *m_strips[static_cast<std::size_t>(index)]; }

private:
    void bindParameters();
    void onAction(int index, int action);

    ScreenContext& m_screens;
    HomeNavigation& m_navigation;
    std::array<ChannelStrip*, kDcaCount> m_strips{};
    ParamBindings m_bindings;
};

} // namespace v32
