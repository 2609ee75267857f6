#include "FrameworkSamplePage.h"

#include "ui/toolkit/framework/SelectionGroup.h"
#include "ui/toolkit/framework/StackContainer.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <array>

namespace v32 {

namespace {

constexpr std::uint16_t kPanelColour = palette::kGrey12;
constexpr std::uint16_t kTabBorder = palette::kGrey64;
constexpr std::uint16_t kCheckedColour = palette::kAccentBlue;
constexpr std::uint16_t kBoxColour = palette::kGrey25;
constexpr std::array<const char*, 3> kTabCaptions{"SCENE", "COPY", "LAMP"};

TextLabel* makeLabel(QWidget* parent, const char* caption, int pixelSize, FontCache& fonts) {
    auto* label = new TextLabel(parent);
    label->setCaption(caption);
    label->setFont(fonts.fontOfSize(pixelSize));
    return label;
}

} // namespace

FrameworkSamplePage::FrameworkSamplePage(QWidget* parent, FontCache& fonts)
    : Page(parent) {
    FlexLayout* column = applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Start, FlexAlign::Start,
                                        FlexAlign::Start, 12);
    setPadding(16);
    TextLabel* title = makeLabel(this, "Setting", 32, fonts);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    column->addWidget(title);

    auto* tabRow = new StyledWidget(this, QSize(), BoxStyle::plain());
    FlexLayout* tabs = applyFlexStyle(*tabRow, FlexFlow::Row, FlexAlign::Start, FlexAlign::Center,
                                      FlexAlign::Start, 8);
    std::vector<QWidget*> members;
    for (const char* caption : kTabCaptions) {
        TextLabel* tab = makeLabel(tabRow, caption, 22, fonts);
        applyBoxStyle(*tab,
                      {.width = 160, .height = 64, .padding = 4, .radius = 6, .borderWidth = 1});
        tab->setBorder(1, kTabBorder);
        tab->setCheckedBackground(kCheckedColour, 127);
        tabs->addWidget(tab);
        members.push_back(tab);
    }
    column->addWidget(tabRow);
    m_tabs = new SelectionGroup(members, this);

    m_panes = new StackContainer(this);
    m_panes->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    applyBoxStyle(*m_panes, {.width = kContentSize, .height = grow(1)});
    column->addWidget(m_panes);
    for (int index = 0; index < static_cast<int>(kTabCaptions.size()); ++index) {
        m_panes->add(makePane(index, fonts));
    }
    connect(m_tabs, &SelectionGroup::memberChosen, this, [this](QWidget* selected) {
        for (int index = 0; index < m_tabs->size(); ++index) {
            if (m_tabs->member(index) == selected) {
                m_panes->showIndex(index);
            }
        }
    });
}

QWidget* FrameworkSamplePage::makePane(int index, FontCache& fonts) {
    auto* pane = new StyledWidget(nullptr, QSize(), BoxStyle::plain());
    pane->setBackground(kPanelColour);
    pane->setRadius(8);
    pane->setPadding(16);
    FlexLayout* grid = applyFlexStyle(*pane, FlexFlow::RowWrap, FlexAlign::SpaceEvenly,
                                      FlexAlign::Center, FlexAlign::SpaceEvenly, 16);
    for (int box = 0; box < 9; ++box) {
        auto* cell = new TextLabel(pane, QStringLiteral("%1.%2").arg(index + 1).arg(box + 1));
        cell->setFont(fonts.fontOfSize(20));
        applyBoxStyle(*cell, {.width = 360,
                              .height = 120,
                              .padding = 8,
                              .backgroundOpacity = 255,
                              .background = kBoxColour,
                              .radius = 8});
        grid->addWidget(cell);
    }
    return pane;
}

void FrameworkSamplePage::open(const OpenArgument& argument) {
    QWidget* tab = m_tabs->member(argument.number());
    m_tabs->select(tab);
    m_panes->showIndex(argument.number());
}

} // namespace v32
