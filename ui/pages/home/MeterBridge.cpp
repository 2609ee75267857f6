#include "ui/pages/home/MeterBridge.h"

#include "app/model/ChannelLabel.h"
#include "app/model/ChannelSlot.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/LiveData.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/home/MeterReading.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/MeterBar.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <algorithm>

namespace v32 {

namespace {
constexpr int kStereoInputs = 3;
constexpr int kLabelPixels = 11;
constexpr int kBarWidth = 10;
constexpr int kPadding = 6;
constexpr int kLabelGap = 2;
constexpr int kRadius = 4;
// Two channels share an input or bus meter word; an effect return has one of its own.
constexpr ParamId kLastInputMeter =
    LiveData::kFirstInputMeter + InputIndex::kCount / LiveData::kChannelsPerMeterWord - 1;
constexpr ParamId kLastBusMeter =
    LiveData::kFirstBusMeter + BusIndex::kCount / LiveData::kChannelsPerMeterWord - 1;
constexpr ParamId kLastEffectMeter = LiveData::kFirstEffectMeter + EffectIndex::kCount - 1;

} // namespace

MeterBridge::MeterBridge(ScreenContext& screens, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens) {
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(QStringLiteral("meter bridge"));
    setBackground(kBackground);
    setRadius(kRadius);
    setFixedHeight(kHeight);
    const QFont font = screens.fonts.fontOfSize(kLabelPixels);
    for (int index = 0; index < kBarCount; ++index) {
        auto* bar = new MeterBar(this);
        bar->setRange(0, meters::kBridgeRange);
        bar->setValue(0);
        m_bars[static_cast<std::size_t>(index)] = bar;
        auto* label = new TextLabel(this);
        label->setFont(font);
        label->setTextColour(palette::kGrey77);
        m_labels[static_cast<std::size_t>(index)] = label;
    }
    nameBars();
    m_timer.setInterval(kUpdatePeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &MeterBridge::refresh);
    m_timer.start();
}

Channel MeterBridge::channelOf(int bar) {
    if (bar < InputIndex::kMonoCount) {
        return {KindInput, bar};
    }
    bar -= InputIndex::kMonoCount;
    if (bar < kStereoInputs) {
        return {KindInput, InputIndex::kMonoCount + 2 * bar};
    }
    bar -= kStereoInputs;
    if (bar < EffectIndex::kCount) {
        return {KindEffect, bar};
    }
    bar -= EffectIndex::kCount;
    if (bar < BusIndex::kAuxCount) {
        return {KindBus, bar};
    }
    bar -= BusIndex::kAuxCount;
    return bar < 2 ? Channel{KindBus, BusIndex::kMainLeft + bar} : Channel{};
}

void MeterBridge::nameBars() {
    for (int index = 0; index < kBarCount; ++index) {
        const int slot = ChannelSlot::of(channelOf(index));
        const QString name = QString::fromUtf8(ChannelLabel::shortName(slot).c_str());
        label(index).setText(name);
        bar(index).setAccessibleName(name);
    }
}

void MeterBridge::setCompact(bool compact) {
    setFixedHeight(compact ? kCompactHeight : kHeight);
}

void MeterBridge::refresh() {
    const bool online = m_screens.isOnline();
    for (int index = 0; index < kBarCount; ++index) {
        const meters::MeterPair levels = meters::channelMeters(m_screens.model, channelOf(index));
        const int target = meters::bridgeValue(std::max(levels.left, levels.right));
        MeterBar& shown = bar(index);
        shown.setValue(meters::nextBridgeValue(shown.value(), target, online));
    }
    if (online) {
        requestMeters();
    }
}

void MeterBridge::requestMeters() {
    if (m_screens.model.isSpectrumDisabled()) {
        return;
    }
    if (m_sinceRequest.isValid() && m_sinceRequest.elapsed() < kRequestPeriodMs) {
        return;
    }
    m_sinceRequest.start();
    m_screens.model.requestRange(LiveData::kFirstInputMeter, kLastInputMeter);
    m_screens.model.requestRange(LiveData::kFirstBusMeter, kLastBusMeter);
    m_screens.model.requestRange(LiveData::kFirstEffectMeter, kLastEffectMeter);
}

QSize MeterBridge::sizeHint() const {
    return {kBarCount * (kBarWidth * 2), kHeight};
}

void MeterBridge::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    placeBars();
}

// Each bar has an equal share of the width; its name is centred under it, every other name
// one row lower, so that a name may be twice as wide as a share.
void MeterBridge::placeBars() {
    const QRect area = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const int labelHeight = label(0).sizeHint().height();
    const int barsBottom = area.bottom() - 2 * labelHeight - kLabelGap;
    const double share = static_cast<double>(area.width()) / kBarCount;
    for (int index = 0; index < kBarCount; ++index) {
        const int centre = area.left() + static_cast<int>(share * (index + 0.5));
        bar(index).setGeometry(centre - kBarWidth / 2, area.top(), kBarWidth,
                               barsBottom - area.top() + 1);
        const int labelWidth = static_cast<int>(share * 2);
        const int labelTop = barsBottom + kLabelGap + (index % 2) * labelHeight;
        label(index).setGeometry(centre - labelWidth / 2, labelTop, labelWidth, labelHeight);
    }
}

} // namespace v32
