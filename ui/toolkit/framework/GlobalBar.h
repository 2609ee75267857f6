#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <cstdint>
#include <vector>

namespace v32 {

class FlexLayout;
class FontCache;
class ImageCache;
class ImageView;
class MiniMeter;
class SelectionGroup;

enum class GlobalBarTab {
    Inputs1To8,
    Inputs9To16,
    StereoAndEffects,
    Aux1To8,
    Media,
    System,
};

// The row above the pages: four bank tabs with their mini meters, the main LR meters, the
// media and system tabs, and the link status icon. The six tabs are one of many; where a
// tab leads is up to whoever listens to tabClicked().
class GlobalBar : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 64;
    static constexpr int kTabCount = 6;
    static constexpr int kBankCount = 4;
    static constexpr int kMeterMaximum = 60;
    static constexpr std::uint16_t kOnlineColour = palette::kGreen;
    static constexpr std::uint16_t kOfflineColour = palette::kRed;

    GlobalBar(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);
    ~GlobalBar() override;

    void setOnline(bool online);
    bool isOnline() const { return m_online; }

    // Bank 0..3, or kBankCount for the LR meters.
    void setMeterLevel(int bank, int bar, int level);
    MiniMeter* meter(int bank, int bar) const;

    StyledWidget& tab(GlobalBarTab tab) const;
    ImageView& statusIcon() const { return *m_statusIcon; }
    void selectTab(GlobalBarTab tab);

signals:
    void tabClicked(GlobalBarTab tab);
    void statusIconClicked();

private:
    StyledWidget* addMeterTab(const char* caption, int width, bool bordered,
                              std::vector<MiniMeter*>& meters, int bars);
    StyledWidget* addPictureTab(const char* caption, const char* picture);
    StyledWidget* addTab(const char* caption, int width, bool bordered);
    void addSeparator();
    void addStatusIcon();
    void buildSelection();

    FontCache& m_fonts;
    FlexLayout* m_layout;
    ImageCache& m_images;
    std::array<StyledWidget*, kTabCount> m_tabs{};
    std::array<std::vector<MiniMeter*>, kBankCount + 1> m_meters;
    SelectionGroup* m_selection = nullptr;
    ImageView* m_statusIcon = nullptr;
    bool m_online = false;
};

} // namespace v32
