#pragma once

#include "ui/toolkit/framework/PageId.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <functional>

namespace v32 {

class FlatButton;
class FontCache;
class ImageCache;
class ImageView;
class SelectionGroup;

// The row of tabs across the top of the home screen: one per fader bank, labelled with the
// bank's name, then "FADER", "MEDIA" and "SYSTEM", one of them lit; at the right the link
// status, which leads to the device list when touched.
class HomeTabBar : public StyledWidget {
    Q_OBJECT

public:
    enum Tab : int {
        FirstBank = 0,
        Fader = 5,
        Media = 6,
        System = 7,
    };
    static constexpr int kTabCount = 8;
    static constexpr int kHeight = 56;
    // Beside the global bar, which takes room from the pages above them.
    static constexpr int kCompactHeight = 44;
    static constexpr std::uint16_t kBackground = palette::kGrey12;
    static constexpr std::uint16_t kOnlineColour = palette::kMint;
    static constexpr std::uint16_t kOfflineColour = palette::kRed;
    static constexpr char kOnlinePicture[] = "res/setting/png_icon_wifi_conn.png";
    static constexpr char kOfflinePicture[] = "res/setting/png_icon_wifi_disconn.png";

    HomeTabBar(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    // The tab that leads to a page under the tabs: the current bank's for the bank overview.
    static int tabOfPage(PageId id, int currentBank);
    ~HomeTabBar() override;

    void setTabHandler(std::function<void(int tab)> handler) { m_onTab = std::move(handler); }
    void setStatusHandler(std::function<void()> handler) { m_onStatus = std::move(handler); }

    // Lights the tab without reporting it.
    void highlight(int tab);
    // -1 when none is lit.
    int highlighted() const;
    void setOnline(bool online);
    bool isOnline() const { return m_online; }
    void setCompact(bool compact);

    FlatButton& tab(int index) const { return *m_tabs[static_cast<std::size_t>(index)]; }
    ImageView& statusIcon() const { return *m_status; }

private:
    ImageCache& m_images;
    std::array<FlatButton*, kTabCount> m_tabs{};
    SelectionGroup* m_selection;
    ImageView* m_status;
    std::function<void(int tab)> m_onTab;
    std::function<void()> m_onStatus;
    bool m_online = false;
};

} // namespace v32
