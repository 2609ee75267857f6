#pragma once

#include "app/protocol/ParamId.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <cstdint>

namespace v32 {

class Button;
class HomeNavigation;
class MainStrip;
struct ScreenContext;

// "MAIN": the main buses' two narrow strips under a title that opens MAIN L's editor, and
// "LINK L&R", which links MAIN L and MAIN R. Linking copies MAIN L's settings onto MAIN R
// first, so that both sides start out alike; unlinking leaves both as they are.
class MainSection : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kMainLinkBit = 1U << 8;
    static constexpr std::uint16_t kBackground = palette::kGrey9;

    MainSection(ScreenContext& screens, HomeNavigation& navigation, QWidget* parent = nullptr);

    // False for a parameter the section does not show.
    // What the section shows: both main buses' faders, on switches and monitor sends,
    // and the link of MAIN L and MAIN R.
    ParamBindings& bindings() { return m_bindings; }
    // Every parameter the section shows, handed to the page on screen.
    bool isLinked() const;

    MainStrip& strip(int side) const { return *m_strips[static_cast<std::size_t>(side)]; }
    Button& linkButton() const { return *m_link; }
    Button& titleButton() const { return *m_title; }

private:
    void onAction(int side, int action);
    void toggleLink();
    void bindParameters();

    ScreenContext& m_screens;
    HomeNavigation& m_navigation;
    Button* m_title;
    Button* m_link;
    std::array<MainStrip*, 2> m_strips{};
    ParamBindings m_bindings;
};

} // namespace v32
