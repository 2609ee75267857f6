#include "ui/pages/home/HomeTabBar.h"

#include "app/core/Translation.h"
#include "app/model/BankTable.h"
#include "ui/toolkit/framework/SelectionGroup.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/ImageView.h"

#include <QHBoxLayout>
#include <string>

namespace v32 {

namespace {

constexpr int kTabWidth = 132;
constexpr int kTabPixels = 18;
constexpr int kPadding = 4;
constexpr int kSpacing = 6;
constexpr int kRadius = 4;

QString captionOf(int tab) {
    if (tab < BankTable::kBankCount) {
        const std::string name(BankTable::bank(tab)->name);
        return QString::fromUtf8(translate(name.c_str()));
    }
    static constexpr const char* kOthers[] = {"FADER", "MEDIA", "SYSTEM"};
    return QString::fromUtf8(translate(kOthers[tab - HomeTabBar::Fader]));
}

} // namespace

HomeTabBar::HomeTabBar(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_images(images)
    , m_status(new ImageView(this)) {
    setAccessibleRole(QAccessible::PageTabList);
    setAccessibleName(QStringLiteral("home tabs"));
    setBackground(kBackground);
    setRadius(kRadius);
    setPadding(kPadding);
    setFixedHeight(kHeight);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    std::array<QWidget*, kTabCount> members{};
    for (int index = 0; index < kTabCount; ++index) {
        auto* button = new FlatButton(this, captionOf(index));
        button->setFont(fonts.fontOfSize(kTabPixels));
        button->setFixedWidth(kTabWidth);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setAccessibleRole(QAccessible::PageTab);
        m_tabs[static_cast<std::size_t>(index)] = button;
        members[static_cast<std::size_t>(index)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    row->addWidget(m_status, 0, Qt::AlignVCenter);
    m_status->setClickable(true);
    m_status->setAccessibleRole(QAccessible::Button);
    connect(m_status, &StyledWidget::clicked, this, [this] {
        if (m_onStatus) {
            m_onStatus();
        }
    });

    m_selection = new SelectionGroup(members, this);
    connect(m_selection, &SelectionGroup::memberChosen, this, [this](QWidget* selected) {
        for (int index = 0; index < kTabCount; ++index) {
            if (m_tabs[static_cast<std::size_t>(index)] == selected && m_onTab) {
                m_onTab(index);
            }
        }
    });
    setOnline(false);
}

HomeTabBar::~HomeTabBar() = default;

int HomeTabBar::tabOfPage(PageId id, int currentBank) {
    switch (id) {
    case PageId::BriefFader:
        return Fader;
    case PageId::Player:
        return Media;
    case PageId::Setting:
        return System;
    default:
        return currentBank;
    }
}

void HomeTabBar::highlight(int tab) {
    if (tab >= 0 && tab < kTabCount) {
        m_selection->select(m_tabs[static_cast<std::size_t>(tab)]);
    }
}

void HomeTabBar::setCompact(bool compact) {
    setFixedHeight(compact ? kCompactHeight : kHeight);
}

int HomeTabBar::highlighted() const {
    for (int index = 0; index < kTabCount; ++index) {
        if (m_selection->selected() == m_tabs[static_cast<std::size_t>(index)]) {
            return index;
        }
    }
    return -1;
}

void HomeTabBar::setOnline(bool online) {
    m_online = online;
    const char* picture = online ? kOnlinePicture : kOfflinePicture;
    m_status->setImage(
        m_images.recoloured(QString::fromLatin1(picture), online ? kOnlineColour : kOfflineColour));
    m_status->setAccessibleName(online ? QStringLiteral("connected")
                                       : QStringLiteral("not connected"));
}

} // namespace v32
