#include "ui/pages/home/BankCell.h"

#include "app/core/Translation.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelSlot.h"
#include "app/model/MonitorSend.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/home/LinkMarker.h"
#include "ui/toolkit/graphs/EqCompactGraph.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/MeterLevel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

namespace v32 {

namespace {
constexpr int kSpacing = 2;
constexpr int kThemeBorderWidth = 1;

// Input numbers.
// Effect-return numbers.
// Bus numbers.
constexpr double kLowestFaderLevel = -120.0;

double faderDecibels(std::uint16_t raw) {
    return toReal(ValueFaderLevel, raw);
}

} // namespace

BankCell::BankCell(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_strip(new BriefStrip(fonts, images, this))
    , m_header(new QWidget(this))
    , m_colourBar(new StyledWidget(m_header, QSize(), BoxStyle::plain()))
    , m_marker(new LinkMarker(m_header)) {
    setAccessibleRole(QAccessible::Grouping);
    m_colourBar->setFixedHeight(kColourBarHeight);
    m_colourBar->setRadius(kColourBarHeight / 2);
    m_colourBar->setAccessibleRole(QAccessible::Indicator);
    m_marker->hide();
    // Shown once it has a channel.
    hide();

    // As high as the marker whether it is shown or not, so that every strip of a row
    // starts at the same height.
    m_header->setFixedHeight(LinkMarker::kSize.height());
    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(kSpacing);
    header->addWidget(m_colourBar, 1, Qt::AlignVCenter);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(m_header);
    column->addWidget(m_strip, 1);
    setColour(ChannelColour::kNoColour);
}

void BankCell::setChannel(Channel channel) {
    if (channel == m_channel) {
        return;
    }
    m_channel = channel;
    m_linkedBus = false;
    setVisible(channel.kind != KindNone);
    clearStrip();
    const bool input = channel.kind == KindInput;
    const bool bus = channel.kind == KindBus;
    m_strip->setInputControlsShown(input);
    m_strip->setCompressorCaption(QString::fromUtf8(translate(bus ? "COMP" : "C")));
    m_strip->setEqBandCount(bus ? BusNumber::kBandCount : BriefStrip::kDefaultEqBands);
    placeMarker();
    bindChannel();
}

// Every number of the channel goes to the strip, which picks what it shows. Only inputs,
// effect returns and buses have a strip here; the DCAs have a panel of their own.
void BankCell::bindChannel() {
    m_bindings.clear();
    m_bindings.setChannel(m_channel);
    if (m_channel.kind != KindInput && m_channel.kind != KindEffect && m_channel.kind != KindBus) {
        return;
    }
    const ChannelLayout numbers = channelLayoutOf(m_channel.kind);
    m_bindings.bindNumbers(
        numbers.firstNumber, numbers.lastNumber,
        [this](int number, std::uint16_t value) { showParameter(number, value); });
}

int BankCell::slot() const {
    return ChannelSlot::of(m_channel);
}

void BankCell::setName(const QString& name) {
    m_strip->setName(name);
    setAccessibleName(name);
}

void BankCell::setColour(std::uint16_t colour) {
    m_colour = colour;
    m_colourBar->setBackground(colour);
    m_colourBar->setAccessibleName(QStringLiteral("#%1").arg(colour, 4, 16, QLatin1Char('0')));
}

void BankCell::setLinked(bool linked) {
    m_marker->setVisible(linked);
}

bool BankCell::isLinked() const {
    return !m_marker->isHidden();
}

void BankCell::setSelected(bool selected) {
    m_selected = selected;
    m_strip->setChecked(selected);
    const BoxStyle theme = BoxStyle::theme();
    if (selected) {
        m_strip->setBorder(2, kSelectedBorder);
    } else {
        m_strip->setBorder(kThemeBorderWidth, theme.border, theme.borderOpacity);
    }
}

// Nothing of the channel shown before may stay behind; what the new channel has is
// published to the page when it opens.
void BankCell::clearStrip() {
    m_strip->setPhantom(false);
    m_strip->setGateOn(false);
    m_strip->setCompressorOn(false);
    m_strip->setMuted(false);
    m_strip->setSoloed(false);
    m_strip->setGain(0);
    m_strip->setPan(0);
    m_strip->setFaderLevel(kLowestFaderLevel);
    m_strip->setMeterLevels(kMeterSilence, kMeterSilence);
    setColour(ChannelColour::kNoColour);
    setLinked(false);
}

// The marker goes to the side where the partner stands.
void BankCell::placeMarker() {
    auto* header = static_cast<QHBoxLayout*>(m_header->layout());
    header->removeWidget(m_marker);
    const bool leftHalf = m_channel.index % 2 == 0;
    header->insertWidget(leftHalf ? 1 : 0, m_marker, 0, Qt::AlignVCenter);
}

bool BankCell::showParameter(int number, std::uint16_t value) {
    switch (m_channel.kind) {
    case KindInput:
        return showInputParameter(number, value);
    case KindEffect:
        return showEffectParameter(number, value);
    case KindBus:
        return showBusParameter(number, value);
    default:
        return false;
    }
}

bool BankCell::showInputParameter(int number, std::uint16_t value) {
    switch (number) {
    case InputNumber::kPhantom:
        m_strip->setPhantom(value != 0);
        return true;
    case InputNumber::kGateOn:
        m_strip->setGateOn(value != 0);
        return true;
    case InputNumber::kGain:
        m_strip->setGain(toReal(ValueInputGain, value));
        return true;
    case InputNumber::kOn:
        m_strip->setMuted(value == 0);
        return true;
    case InputNumber::kPan:
        m_strip->setPan(static_cast<int>(std::lround(toReal(ValuePan, value))));
        return true;
    case InputNumber::kFader:
        m_strip->setFaderLevel(faderDecibels(value));
        return true;
    case InputNumber::kSolo:
        m_strip->setSoloed(MonitorSend::isLit(value));
        return true;
    case InputNumber::kCompressorOn:
        m_strip->setCompressorOn(value != 0);
        return true;
    default:
        return showEqParameter(number, value, InputNumber::kHighPassCode, InputNumber::kFirstBand,
                               BriefStrip::kDefaultEqBands);
    }
}

bool BankCell::showEffectParameter(int number, std::uint16_t value) {
    switch (number) {
    case EffectNumber::kFader:
        m_strip->setFaderLevel(faderDecibels(value));
        return true;
    case EffectNumber::kOn:
        m_strip->setMuted(value == 0);
        return true;
    case EffectNumber::kSolo:
        m_strip->setSoloed(MonitorSend::isLit(value));
        return true;
    default:
        return showEqParameter(number, value, EffectNumber::kHighPassCode, EffectNumber::kFirstBand,
                               BriefStrip::kDefaultEqBands);
    }
}

bool BankCell::showBusParameter(int number, std::uint16_t value) {
    switch (number) {
    case BusNumber::kFader:
        m_strip->setFaderLevel(faderDecibels(value));
        return true;
    case BusNumber::kOn:
        m_strip->setMuted(value == 0);
        return true;
    case BusNumber::kCompressorOn:
        m_strip->setCompressorOn(value != 0);
        return true;
    case BusNumber::kSolo:
    case BusNumber::kMonitorRightSend:
        if ((number == BusNumber::kMonitorRightSend) != m_linkedBus) {
            return false;
        }
        m_strip->setSoloed(MonitorSend::isLit(value));
        return true;
    default:
        return showEqParameter(number, value, BusNumber::kHighPassCode, BusNumber::kFirstBand,
                               BusNumber::kBandCount);
    }
}

// The filters take four numbers (high-pass code and frequency, low-pass code and
// frequency), then each band four (one without a picture, frequency, gain, Q).
bool BankCell::showEqParameter(int number, std::uint16_t value, int filters, int firstBand,
                               int bands) {
    EqCompactGraph& eq = *m_strip->eqGraph();
    static constexpr EqCurve::Param kFilterParams[] = {
        EqCurve::Param::HighPassCode, EqCurve::Param::HighPassFrequency,
        EqCurve::Param::LowPassCode, EqCurve::Param::LowPassFrequency};
    static constexpr EqCurve::Param kBandParams[] = {
        EqCurve::Param::BandFrequency, EqCurve::Param::BandGain, EqCurve::Param::BandQ};
    if (number >= filters && number < filters + EqBandNumber::kNumbersPerBand) {
        eq.setParam(kFilterParams[number - filters], 0, value);
        return true;
    }
    const int offset = number - firstBand;
    if (offset < 0 || offset >= bands * EqBandNumber::kNumbersPerBand) {
        return false;
    }
    const int part = offset % EqBandNumber::kNumbersPerBand;
    if (part == 0) {
        return false;
    }
    eq.setParam(kBandParams[part - 1], offset / EqBandNumber::kNumbersPerBand, value);
    return true;
}

} // namespace v32
