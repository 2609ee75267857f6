#include "ui/toolkit/framework/GlobalBar.h"

#include "app/core/Translation.h"
#include "ui/toolkit/framework/SelectionGroup.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/ImageView.h"
#include "ui/toolkit/widgets/MiniMeter.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

constexpr std::uint16_t kBarBackground = palette::kGrey25;
constexpr std::uint16_t kTabBorder = palette::kGrey64;
constexpr std::uint16_t kSeparatorColour = palette::kGrey38;
constexpr int kCheckedOpacity = 127;
constexpr int kTabWidth = 112;
constexpr int kLrTabWidth = 32;
constexpr int kTabPadding = 4;
constexpr int kTabRadius = 4;
constexpr int kGap = 4;
constexpr int kMeterGap = 2;
constexpr int kCaptionPixelSize = 14;
constexpr const char* kOnlinePicture = "res/common/img_online.png";
constexpr const char* kOfflinePicture = "res/common/img_offline.png";

struct BankTab {
    const char* caption;
    int bars;
};

constexpr std::array<BankTab, GlobalBar::kBankCount> kBankTabs{{
    {"IN1-8", 8},
    {"IN9-16", 8},
    {"ST-FX", 5},
    {"AUX1-8", 8},
}};
constexpr int kLrBars = 2;

// The colour each tab shows while it is the chosen one.
constexpr std::array<std::uint16_t, GlobalBar::kTabCount> kCheckedColours{
    palette::kAccentBlue, palette::kAccentBlue, palette::kViolet,
    palette::kDarkOrange, palette::kTeal,       palette::kGrey51,
};

} // namespace

GlobalBar::GlobalBar(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_fonts(fonts)
    , m_layout(applyFlexStyle(*this, FlexFlow::Row, FlexAlign::Start, FlexAlign::Center,
                              FlexAlign::Start, kGap))
    , m_images(images) {
    setAccessibleName(QStringLiteral("global bar"));
    applyBoxStyle(*this, {.width = kContentSize,
                          .height = kHeight,
                          .padding = 2,
                          .backgroundOpacity = 255,
                          .background = kBarBackground,
                          .radius = 0});
    setPadding(QMargins(2, 4, 2, 2));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (std::size_t bank = 0; bank < kBankTabs.size(); ++bank) {
        m_tabs[bank] = addMeterTab(kBankTabs[bank].caption, kTabWidth, true, m_meters[bank],
                                   kBankTabs[bank].bars);
    }
    addMeterTab("LR", kLrTabWidth, false, m_meters[kBankCount], kLrBars);
    addSeparator();
    m_tabs[static_cast<std::size_t>(GlobalBarTab::Media)] =
        addPictureTab("MEDIA", "res/media/img_usb_music.png");
    m_tabs[static_cast<std::size_t>(GlobalBarTab::System)] =
        addPictureTab("SYSTEM", "res/setting/png_icon_setting.png");
    addStatusIcon();
    buildSelection();
}

GlobalBar::~GlobalBar() = default;

StyledWidget* GlobalBar::addTab(const char* english, int width, bool bordered) {
    const QString caption = QString::fromUtf8(translate(english));
    auto* tab = new StyledWidget(this, QSize(), BoxStyle::plain());
    applyBoxStyle(*tab, {.width = width,
                         .height = kContentSize,
                         .padding = kTabPadding,
                         .radius = kTabRadius,
                         .borderWidth = bordered ? 1 : 0});
    tab->setBorder(bordered ? 1 : 0, kTabBorder);
    tab->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    tab->setAccessibleName(caption);
    auto* label = new TextLabel(tab, caption);
    label->setFont(m_fonts.fontOfSize(kCaptionPixelSize));
    label->setTextColour(palette::kWhite);
    applyFlexStyle(*tab, FlexFlow::Column, FlexAlign::Center, FlexAlign::Center, FlexAlign::Center,
                   kMeterGap)
        ->addWidget(label);
    m_layout->addWidget(tab);
    return tab;
}

StyledWidget* GlobalBar::addMeterTab(const char* caption, int width, bool bordered,
                                     std::vector<MiniMeter*>& meters, int bars) {
    StyledWidget* tab = addTab(caption, width, bordered);
    auto* meterRow = new StyledWidget(tab, QSize(), BoxStyle::plain());
    applyBoxStyle(*meterRow, {.width = kContentSize, .height = grow(1)});
    FlexLayout* meterLayout = applyFlexStyle(*meterRow, FlexFlow::Row, FlexAlign::Center,
                                             FlexAlign::Center, FlexAlign::Center, kMeterGap);
    for (int bar = 0; bar < bars; ++bar) {
        auto* meter = new MiniMeter(meterRow);
        meter->setRange(0, kMeterMaximum);
        meterLayout->addWidget(meter);
        meters.push_back(meter);
    }
    tab->layout()->addWidget(meterRow);
    return tab;
}

StyledWidget* GlobalBar::addPictureTab(const char* caption, const char* picture) {
    StyledWidget* tab = addTab(caption, kTabWidth, true);
    auto* image =
        new ImageView(tab, m_images.recoloured(QString::fromUtf8(picture), palette::kWhite));
    // The picture takes what the caption leaves of the tab's height.
    image->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    applyBoxStyle(*image, {.width = kContentSize, .height = grow(1)});
    tab->layout()->addWidget(image);
    return tab;
}

void GlobalBar::addSeparator() {
    auto* separator = new StyledWidget(this, QSize(), BoxStyle::plain());
    separator->setBackground(kSeparatorColour);
    separator->setFixedWidth(1);
    separator->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_layout->addWidget(separator);
}

void GlobalBar::addStatusIcon() {
    auto* spacer = new StyledWidget(this, QSize(), BoxStyle::plain());
    applyBoxStyle(*spacer, {.width = grow(1), .height = kContentSize});
    m_layout->addWidget(spacer);
    m_statusIcon = new ImageView(this);
    m_statusIcon->setClickable(true);
    connect(m_statusIcon, &StyledWidget::clicked, this, &GlobalBar::statusIconClicked);
    m_layout->addWidget(m_statusIcon);
    m_online = true;
    setOnline(false);
}

void GlobalBar::buildSelection() {
    std::array<QWidget*, kTabCount> members{};
    std::copy(m_tabs.begin(), m_tabs.end(), members.begin());
    m_selection = new SelectionGroup(members, this);
    for (std::size_t index = 0; index < m_tabs.size(); ++index) {
        m_tabs[index]->setCheckedBackground(kCheckedColours[index], kCheckedOpacity);
    }
    connect(m_selection, &SelectionGroup::memberChosen, this, [this](QWidget* selected) {
        const auto found = std::find(m_tabs.begin(), m_tabs.end(), selected);
        if (found != m_tabs.end()) {
            emit tabClicked(static_cast<GlobalBarTab>(found - m_tabs.begin()));
        }
    });
}

void GlobalBar::setOnline(bool online) {
    if (online == m_online) {
        return;
    }
    m_online = online;
    const char* picture = online ? kOnlinePicture : kOfflinePicture;
    m_statusIcon->setImage(
        m_images.recoloured(QString::fromUtf8(picture), online ? kOnlineColour : kOfflineColour));
    m_statusIcon->setAccessibleName(online ? QStringLiteral("online") : QStringLiteral("offline"));
}

void GlobalBar::setMeterLevel(int bank, int bar, int level) {
    if (MiniMeter* target = meter(bank, bar)) {
        target->setValue(level);
    }
}

MiniMeter* GlobalBar::meter(int bank, int bar) const {
    if (bank < 0 || bank > kBankCount) {
        return nullptr;
    }
    const auto& bars = m_meters[static_cast<std::size_t>(bank)];
    if (bar < 0 || bar >= static_cast<int>(bars.size())) {
        return nullptr;
    }
    return bars[static_cast<std::size_t>(bar)];
}

StyledWidget& GlobalBar::tab(GlobalBarTab which) const {
    return *m_tabs[static_cast<std::size_t>(which)];
}

void GlobalBar::selectTab(GlobalBarTab which) {
    m_selection->select(&tab(which));
}

} // namespace v32
