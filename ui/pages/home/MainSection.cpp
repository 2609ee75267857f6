#include "ui/pages/home/MainSection.h"

#include "app/core/Translation.h"
#include "app/model/BusCopy.h"
#include "app/model/ChannelSlot.h"
#include "app/model/LinkedWrites.h"
#include "app/model/MonitorSend.h"
#include "app/model/ParamModel.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/HomeNavigation.h"
#include "ui/pages/home/MainStrip.h"
#include "ui/pages/home/StripWrites.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/Fader.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr int kFaderNumber = 72;
constexpr int kOnNumber = 74;
constexpr int kFaderKind = 15;
constexpr int kTitlePixels = 18;
constexpr int kLinkPixels = 14;
constexpr int kTitleHeight = 36;
constexpr int kLinkHeight = 32;
constexpr int kPadding = 4;
constexpr int kRadius = 4;

Channel mainBus(int side) {
    return {KindBus, MainSection::kMainLeftBus + side};
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

    connect(m_title, &StyledWidget::clicked, this,
            [this] { m_navigation.openPage(PageId::EditCont, ChannelSlot::kMainLeft); });
    connect(m_link, &StyledWidget::clicked, this, &MainSection::toggleLink);
}

bool MainSection::isLinked() const {
    return (m_screens.model.value(LinkedWrites::kBusLinks) & kMainLinkBit) != 0;
}

bool MainSection::showParameter(ParamId id, std::uint16_t value) {
    if (id == LinkedWrites::kBusLinks) {
        m_link->setChecked((value & kMainLinkBit) != 0);
        return true;
    }
    for (int side = 0; side < 2; ++side) {
        if (id == MonitorSend::shownId(mainBus(side))) {
            strip(side).setSoloed(MonitorSend::isLit(value));
            return true;
        }
    }
    if (channelKindOf(id) != KindBus) {
        return false;
    }
    const int side = channelIndexOf(id) - kMainLeftBus;
    return side >= 0 && side < 2 && showBusParameter(side, paramNumberOf(id), value);
}

bool MainSection::showBusParameter(int side, int number, std::uint16_t value) {
    switch (number) {
    case kFaderNumber:
        strip(side).setFaderLevel(toReal(kFaderKind, value));
        return true;
    case kOnNumber:
        strip(side).setMuted(value == 0);
        return true;
    default:
        return false;
    }
}

void MainSection::publish() const {
    for (int side = 0; side < 2; ++side) {
        const Channel bus = mainBus(side);
        m_screens.publish(paramId(bus.kind, bus.index, kNumberFader));
        m_screens.publish(paramId(bus.kind, bus.index, kNumberOn));
        m_screens.publish(MonitorSend::shownId(bus));
    }
    m_screens.publish(LinkedWrites::kBusLinks);
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
    ParamModel& model = m_screens.model;
    const std::uint16_t links = model.value(LinkedWrites::kBusLinks);
    if ((links & kMainLinkBit) == 0) {
        const BusCopy copy(model, kMainLeftBus, kMainRightBus);
        for (const BusCopy::Write& write : copy.writes()) {
            if (write.quiet) {
                model.setValue(write.pair.id, write.pair.value);
            } else {
                model.setParameterFromUi(write.pair.id, write.pair.value, true);
            }
        }
    }
    model.setParameterFromUi(LinkedWrites::kBusLinks,
                             static_cast<std::uint16_t>(links ^ kMainLinkBit), true);
}

} // namespace v32
