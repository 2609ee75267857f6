#include "ui/pages/home/MainSection.h"

#include "app/core/Translation.h"
#include "app/model/BusCopy.h"
#include "app/model/ChannelSlot.h"
#include "app/model/LinkedWrites.h"
#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/StripWrites.h"
#include "ui/pages/home/MainStrip.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {
constexpr int kTitlePixels = 18;
constexpr int kLinkPixels = 14;
constexpr int kTitleHeight = 36;
constexpr int kLinkHeight = 32;
constexpr int kPadding = 4;
constexpr int kRadius = 4;

Channel mainBus(int side) {
    return {KindBus, BusIndex::kMainLeft + side};
}

} // namespace

MainSection::MainSection(ScreenContext& screens, HomeNavigation& navigation, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens)
    , m_navigation(navigation)
    , m_title(new Button(this, QString::fromUtf8(translate("MAIN"))))
    , m_link(new Button(this, QString::fromUtf8(translate("LINK L&R")))) {
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(m_title->text());
    setBackground(kBackground);
    setRadius(kRadius);
    setPadding(kPadding);
    m_title->setFont(screens.fonts.fontOfSize(kTitlePixels));
    m_title->setFixedHeight(kTitleHeight);
    m_link->setFont(screens.fonts.fontOfSize(kLinkPixels));
    m_link->setFixedHeight(kLinkHeight);
    m_link->setColour(ButtonColour::Green);
    m_link->setCheckable(true);

    auto* strips = new QHBoxLayout;
    strips->setSpacing(kPadding);
    const QString sides[] = {QStringLiteral("L"), QStringLiteral("R")};
    for (int side = 0; side < 2; ++side) {
        auto* strip = new MainStrip(screens.fonts, screens.images, sides[side], this);
        m_strips[static_cast<std::size_t>(side)] = strip;
        strip->setCallback([this, side](int action) { onAction(side, action); });
        strips->addWidget(strip, 1);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kPadding);
    column->addWidget(m_title);
    column->addWidget(m_link);
    column->addLayout(strips, 1);

    connect(m_title, &StyledWidget::clicked, this, [this] {
        m_navigation.openPage(PageId::EditCont, OpenArgument::channelSlot(ChannelSlot::kMainLeft));
    });
    connect(m_link, &StyledWidget::clicked, this, &MainSection::toggleLink);
    bindParameters();
}

bool MainSection::isLinked() const {
    return (m_screens.model.value(FixedParam::kBusLinks) & kMainLinkBit) != 0;
}

void MainSection::bindParameters() {
    m_bindings.bind(FixedParam::kBusLinks, [this](ParamId, std::uint16_t value) {
        m_link->setChecked((value & kMainLinkBit) != 0);
    });
    for (int side = 0; side < 2; ++side) {
        const Channel bus = mainBus(side);
        m_bindings.bind(paramId(bus.kind, bus.index, kNumberFader),
                        [this, side](ParamId, std::uint16_t value) {
                            strip(side).setFaderLevel(toReal(ValueFaderLevel, value));
                        });
        m_bindings.bind(
            paramId(bus.kind, bus.index, kNumberOn),
            [this, side](ParamId, std::uint16_t value) { strip(side).setMuted(value == 0); });
        m_bindings.bind(MonitorSend::shownId(bus), [this, side](ParamId, std::uint16_t value) {
            strip(side).setSoloed(MonitorSend::isLit(value));
        });
    }
}

void MainSection::onAction(int side, int action) {
    switch (action) {
    case MainStrip::Mute:
        strip_writes::toggleOn(m_screens.model, mainBus(side));
        break;
    case MainStrip::Solo:
        strip_writes::switchMonitorSend(m_screens.model, mainBus(side));
        break;
    case MainStrip::FaderMoved:
        strip_writes::writeFader(m_screens.model, mainBus(side), strip(side).fader().value());
        break;
    default:
        break;
    }
}

// MAIN R takes MAIN L's settings before the link bit goes out, so that the mixer never
// holds the two sides linked but different.
void MainSection::toggleLink() {
    ScreenModel& model = m_screens.model;
    const std::uint16_t links = model.value(FixedParam::kBusLinks);
    if ((links & kMainLinkBit) == 0) {
        const BusCopy copy(model, BusIndex::kMainLeft, BusIndex::kMainRight);
        model.write(copy.writes());
    }
    model.write(ParamWrite::control(FixedParam::kBusLinks,
                                    static_cast<std::uint16_t>(links ^ kMainLinkBit)));
}

} // namespace v32
