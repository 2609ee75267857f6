#include "ui/toolkit/framework/RootScreen.h"

#include "ui/toolkit/framework/ConnectionIssueOverlay.h"
#include "ui/toolkit/framework/GlobalBar.h"
#include "ui/toolkit/framework/OverlayLayer.h"
#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageHost.h"
#include "ui/toolkit/framework/PageRegistry.h"
#include "ui/toolkit/framework/ProgressOverlay.h"
#include "ui/toolkit/framework/Toast.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/textentry/TextEntryPopup.h"

namespace v32 {

namespace {

constexpr int kToastFontSize = 16;

} // namespace

RootScreen::RootScreen(const RootScreenSetup& setup, QWidget* parent)
    : StyledWidget(parent, kSize, BoxStyle::plain())
    , m_screen(new OverlayLayer(this)) {
    setFixedSize(kSize);
    setFont(setup.fonts.mainFont());
    setAccessibleName(QStringLiteral("VELMAR32"));
    // The screen layer holds everything that can be touched, so it must not let touches by.
    m_screen->setTakesTouches(true);
    m_screen->setAccessibleName(QStringLiteral("screen"));

    m_pageHost = new PageHost(m_screen);
    m_pageHost->setGeometry(m_screen->rect());
    m_pageHost->setAccessibleName(QStringLiteral("pages"));
    applyBoxStyle(*m_pageHost, {.width = kSize.width(),
                                .height = kSize.height(),
                                .padding = kPadding,
                                .backgroundOpacity = 255,
                                .background = kBackground,
                                .radius = 0});
    FlexLayout* column = applyFlexStyle(*m_pageHost, FlexFlow::Column, FlexAlign::Center,
                                        FlexAlign::Center, FlexAlign::Center, -1);
    if (setup.globalBar) {
        m_globalBar = new GlobalBar(setup.fonts, setup.images, m_pageHost);
        column->addWidget(m_globalBar);
    }
    m_topContainer = new PageContainer(setup.registry, {PageId::Home}, m_pageHost);
    applyBoxStyle(*m_topContainer, {.width = kContentSize, .height = grow(1)});
    column->addWidget(m_topContainer);
    m_pageHost->setContainers({m_topContainer});

    m_progress = new ProgressOverlay(m_screen);
    m_textEntry =
        new TextEntryPopup(*m_screen, setup.fonts, setup.images, setup.textEntry, setup.pinyin);
    m_toast = new Toast(this, setup.clock, setup.fonts.fontOfSize(kToastFontSize));
    m_connectionIssue = new ConnectionIssueOverlay(this);
    // Whatever was being typed belongs to the page that is being left.
    connect(&setup.registry, &PageRegistry::pageSwitchStarting, m_textEntry,
            &TextEntryPopup::cancel);
}

RootScreen::~RootScreen() = default;

void RootScreen::openPage(PageId id, const OpenArgument& argument) {
    m_pageHost->open(0, id, argument);
}

Page* RootScreen::currentPage() const {
    return m_pageHost->currentPage(0);
}

void RootScreen::showConnectionIssue(const QString& text) {
    m_connectionIssue->showText(text);
}

void RootScreen::showOnlineState(bool online) {
    m_online = online;
    if (m_globalBar != nullptr) {
        m_globalBar->setOnline(online);
    }
    emit onlineStateChanged(online);
}

} // namespace v32
