#include "ui/pages/devicelist/DeviceListScreen.h"

#include "app/core/Translation.h"
#include "app/link/FoundDeviceTable.h"
#include "ui/pages/devicelist/DeviceListRow.h"
#include "ui/toolkit/framework/SelectionGroup.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QPalette>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace v32 {

namespace {

constexpr int kPanelPadding = 12;
constexpr int kPanelRadius = 8;
constexpr int kPanelGap = 12;
constexpr int kRowGap = 4;
constexpr std::uint16_t kListBackground = palette::kGrey12;
constexpr std::uint16_t kScrollHandle = palette::kGrey42;
constexpr int kRefreshFontSize = 16;
constexpr int kActionFontSize = 18;

BoxStyle backdropStyle() {
    BoxStyle style;
    style.background = 0;
    style.backgroundOpacity = DeviceListScreen::kBackdropOpacity;
    return style;
}

// A slim bar in the panel's colours, wide enough for a finger to drag.
QString scrollBarStyleSheet() {
    return QStringLiteral("QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
                          "QScrollBar::handle:vertical { background: %1; border-radius: 5px;"
                          " min-height: 24px; }"
                          "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                          " { height: 0; }"
                          "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                          " { background: transparent; }")
        .arg(rgb565ToColor(kScrollHandle).name());
}

// A row that stretches across the panel and lays its children out along it.
StyledWidget* panelRow(QWidget* parent, FlexAlign main) {
    auto* row = new StyledWidget(parent, QSize(), BoxStyle::plain());
    row->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    applyFlexStyle(*row, FlexFlow::Row, main, FlexAlign::Center, FlexAlign::Center, kPanelGap);
    return row;
}

} // namespace

DeviceListScreen::DeviceListScreen(QWidget* parent, FontCache& fonts)
    : OverlayLayer(parent, backdropStyle())
    , m_fonts(fonts)
    , m_panel(new StyledWidget(this))
    , m_selection(new SelectionGroup({}, this)) {
    setObjectName(QStringLiteral("deviceList"));
    setAccessibleName(QString::fromUtf8(translate("Device List:")));
    setTakesTouches(true);
    m_panel->setObjectName(QStringLiteral("deviceListPanel"));
    m_panel->setPadding(kPanelPadding);
    m_panel->setRadius(kPanelRadius);
    FlexLayout* column = applyFlexStyle(*m_panel, FlexFlow::Column, FlexAlign::Start,
                                        FlexAlign::Center, FlexAlign::Center, kPanelGap);
    column->addWidget(buildHeader());
    column->addWidget(buildList());
    column->addWidget(buildFooter());
    applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Center, FlexAlign::Center, FlexAlign::Center,
                   0)
        ->addWidget(m_panel);
    m_panel->setFixedWidth(width() * kPanelWidthPercent / 100);
}

StyledWidget* DeviceListScreen::buildHeader() {
    StyledWidget* header = panelRow(m_panel, FlexAlign::SpaceBetween);
    m_title = new TextLabel(header);
    m_title->setCaption("Device List:");
    m_refresh = addButton(header, "Refresh", "deviceListRefresh", kRefreshSize);
    m_refresh->setFont(m_fonts.fontOfSize(kRefreshFontSize));
    header->layout()->addWidget(m_title);
    header->layout()->addWidget(m_refresh);
    connect(m_refresh, &Button::clicked, this, &DeviceListScreen::refreshClicked);
    return header;
}

QScrollArea* DeviceListScreen::buildList() {
    m_list = new QScrollArea(m_panel);
    m_list->setObjectName(QStringLiteral("deviceListRows"));
    m_list->setAccessibleName(QStringLiteral("devices"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFixedHeight(kListHeight);
    m_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->verticalScrollBar()->setStyleSheet(scrollBarStyleSheet());
    m_list->setWidgetResizable(true);
    QPalette palette = m_list->viewport()->palette();
    palette.setColor(QPalette::Window, rgb565ToColor(kListBackground));
    m_list->viewport()->setPalette(palette);
    m_list->viewport()->setAutoFillBackground(true);

    m_rowsHost = new QWidget;
    applyFlexStyle(*m_rowsHost, FlexFlow::Column, FlexAlign::Start, FlexAlign::Center,
                   FlexAlign::Center, kRowGap);
    m_list->setWidget(m_rowsHost);
    // The scroll area fills what it is given; the panel shows through instead.
    m_rowsHost->setAutoFillBackground(false);
    return m_list;
}

StyledWidget* DeviceListScreen::buildFooter() {
    StyledWidget* footer = panelRow(m_panel, FlexAlign::SpaceEvenly);
    m_connect = addButton(footer, "Connect", "deviceListConnect", kActionSize);
    m_demo = addButton(footer, "Demo", "deviceListDemo", kActionSize);
    for (Button* button : {m_connect, m_demo}) {
        button->setFont(m_fonts.fontOfSize(kActionFontSize));
    }
    footer->layout()->addWidget(m_connect);
    footer->layout()->addWidget(m_demo);
    connect(m_connect, &Button::clicked, this, &DeviceListScreen::connectClicked);
    connect(m_demo, &Button::clicked, this, &DeviceListScreen::demoClicked);
    return footer;
}

Button* DeviceListScreen::addButton(QWidget* parent, const char* caption, const char* objectName,
                                    QSize size) {
    auto* button = new Button(parent, QString::fromUtf8(translate(caption)));
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFixedSize(size);
    return button;
}

void DeviceListScreen::showDevices(std::span<const FoundDevice> devices) {
    clearDevices();
    for (const FoundDevice& device : devices) {
        auto* row = new DeviceListRow(device, m_fonts, m_rowsHost);
        m_rowsHost->layout()->addWidget(row);
        // Touchable as soon as the list is, not once the layout gets round to it.
        row->show();
        m_rows.push_back(row);
    }
    const std::vector<QWidget*> members(m_rows.begin(), m_rows.end());
    m_selection->replaceMembers(members);
}

void DeviceListScreen::clearDevices() {
    m_selection->replaceMembers({});
    for (DeviceListRow* row : m_rows) {
        delete row;
    }
    m_rows.clear();
}

std::optional<std::uint32_t> DeviceListScreen::checkedAddress() const {
    for (const DeviceListRow* row : m_rows) {
        if (row->isChecked()) {
            return row->address();
        }
    }
    return std::nullopt;
}

void DeviceListScreen::resizeEvent(QResizeEvent* event) {
    m_panel->setFixedWidth(event->size().width() * kPanelWidthPercent / 100);
    OverlayLayer::resizeEvent(event);
}

} // namespace v32
