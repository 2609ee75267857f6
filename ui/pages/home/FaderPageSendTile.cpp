#include "ui/pages/home/FaderPageSendTile.h"

#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"
#include "app/model/StereoSendMode.h"
#include "app/protocol/SendLevel.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/StripWrites.h"
#include "ui/pages/home/FaderPageSelection.h"
#include "ui/pages/home/FaderPageSendStrip.h"
#include "ui/pages/home/FaderPageStep.h"

#include <QEvent>
#include <QGridLayout>

namespace v32 {

namespace {
constexpr int kSpacing = 3;
constexpr int kInputCount = 34;
constexpr int kEffectCount = 4;

// Mono inputs, the stereo inputs by their left halves, then the effect returns.
std::array<Channel, kInputCount + kEffectCount> sourcesInMixerOrder() {
    std::array<Channel, kInputCount + kEffectCount> sources{};
    for (int index = 0; index < kInputCount; ++index) {
        sources[static_cast<std::size_t>(index)] = {KindInput, index};
    }
    for (int index = 0; index < kEffectCount; ++index) {
        sources[static_cast<std::size_t>(kInputCount + index)] = {KindEffect, index};
    }
    return sources;
}

} // namespace

FaderPageSendTile::FaderPageSendTile(ScreenContext& screens, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    for (int index = 0; index < kStripCount; ++index) {
        auto* strip = new FaderPageSendStrip(screens.fonts, screens.images, this);
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        policy.setRetainSizeWhenHidden(true);
        strip->setSizePolicy(policy);
        strip->installEventFilter(this);
        strip->setCallback(
            [this, index](FaderPageSendStrip::Action action) { onAction(index, action); });
        strip->hide();
        grid->addWidget(strip, index / kColumns, index % kColumns);
        m_strips[static_cast<std::size_t>(index)] = strip;
    }
    for (int column = 0; column < kColumns; ++column) {
        grid->setColumnStretch(column, 1);
    }
}

void FaderPageSendTile::showBus(SendBus bus) {
    if (!SendOnFader::isBus(bus)) {
        return;
    }
    m_bus = bus;
    m_boundCount = 0;
    for (const Channel source : sourcesInMixerOrder()) {
        if (SendOnFader::canSend(source, bus) && m_boundCount < kStripCount) {
            bind(m_boundCount++, source);
        }
    }
    for (int index = m_boundCount; index < kStripCount; ++index) {
        m_bindings[static_cast<std::size_t>(index)] = {};
        m_strips[static_cast<std::size_t>(index)]->hide();
    }
    bindParameters();
    select(0);
}

void FaderPageSendTile::bind(int index, Channel source) {
    Binding& binding = m_bindings[static_cast<std::size_t>(index)];
    binding.channel = FaderPageChannel(source);
    binding.send = SendOnFader::sendId(source, *m_bus);
    binding.shown = SendOnFader::shownSendId(m_screens.model, source, *m_bus);
    FaderPageSendStrip* strip = m_strips[static_cast<std::size_t>(index)];
    strip->setName(binding.channel.name(m_screens.model));
    strip->setColour(binding.channel.colour(m_screens.model));
    strip->setSidesShown(hasSides(binding));
    if (hasSides(binding)) {
        strip->setSides(StereoSendMode::of(m_screens.model, source.index, m_bus->index));
    }
    strip->show();
}

bool FaderPageSendTile::hasSides(const Binding& binding) const {
    return m_bus && m_bus->type == SendBus::Type::Aux &&
           binding.channel.channel.kind == KindInput &&
           isStereoLeftInput(binding.channel.channel.index);
}

FaderPageSendStrip* FaderPageSendTile::strip(int index) const {
    return index >= 0 && index < m_boundCount ? m_strips[static_cast<std::size_t>(index)] : nullptr;
}

Channel FaderPageSendTile::channelOf(int index) const {
    return index >= 0 && index < m_boundCount
               ? m_bindings[static_cast<std::size_t>(index)].channel.channel
               : Channel{};
}

void FaderPageSendTile::bindParameters() {
    m_parameters.clear();
    for (int index = 0; index < m_boundCount; ++index) {
        const Binding& binding = m_bindings[static_cast<std::size_t>(index)];
        FaderPageSendStrip* strip = m_strips[static_cast<std::size_t>(index)];
        m_parameters.bind(binding.shown, [strip](ParamId, std::uint16_t value) {
            strip->setSendLevel(toReal(ValueSendLevel, value));
            strip->setPreFader(SendOnFader::isPreFader(value));
        });
        m_parameters.bind(binding.channel.on, [strip](ParamId, std::uint16_t value) {
            strip->setMuted(FaderPageChannel::isMuted(value));
        });
        m_parameters.bind(binding.channel.monitor, [strip](ParamId, std::uint16_t value) {
            strip->setSoloed(MonitorSend::isLit(value));
        });
    }
}

void FaderPageSendTile::channelName(int slot, const QString& name) {
    for (int index = 0; index < m_boundCount; ++index) {
        if (m_bindings[static_cast<std::size_t>(index)].channel.slot() == slot) {
            m_strips[static_cast<std::size_t>(index)]->setName(name);
        }
    }
}

void FaderPageSendTile::rebuild() {
    if (!m_bus) {
        return;
    }
    const int selected = m_selected;
    showBus(*m_bus);
    select(selected);
}

void FaderPageSendTile::stepSelected(int delta) {
    if (m_selected >= m_boundCount || delta == 0) {
        return;
    }
    const Binding& binding = m_bindings[static_cast<std::size_t>(m_selected)];
    const std::uint16_t send = m_screens.model.value(binding.shown);
    const std::uint16_t level =
        steppedLevel(ValueSendLevel, send & SendLevel::kAllButPreFader, delta);
    const std::uint16_t stepped = SendOnFader::withLevel(send, level);
    if (stepped != send) {
        m_screens.model.write(ParamWrite::control(binding.send, stepped));
    }
}

void FaderPageSendTile::onAction(int index, int action) {
    select(index);
    const Binding& binding = m_bindings[static_cast<std::size_t>(index)];
    switch (action) {
    case FaderPageSendStrip::Mute:
        strip_writes::toggleOn(m_screens.model, binding.channel.channel);
        break;
    case FaderPageSendStrip::Solo:
        strip_writes::switchMonitorSend(m_screens.model, binding.channel.channel);
        break;
    case FaderPageSendStrip::LevelMoved:
        writeLevel(index);
        break;
    case FaderPageSendStrip::PreFader:
    case FaderPageSendStrip::PostFader:
        writeTap(binding, action == FaderPageSendStrip::PreFader);
        break;
    case FaderPageSendStrip::LeftSide:
        switchSide(binding, StereoSendMode::kLeft);
        break;
    case FaderPageSendStrip::RightSide:
        switchSide(binding, StereoSendMode::kRight);
        break;
    default:
        break;
    }
}

// The level replaces bits 0-14 of the send shown and keeps its pre-fader flag; the write
// goes to the send the stereo rules split between the two sides.
void FaderPageSendTile::writeLevel(int index) {
    const Binding& binding = m_bindings[static_cast<std::size_t>(index)];
    const std::uint16_t send = m_screens.model.value(binding.shown);
    const std::uint16_t level =
        toRaw(ValueSendLevel, m_strips[static_cast<std::size_t>(index)]->sendLevel());
    const std::uint16_t moved = SendOnFader::withLevel(send, level);
    if (moved != send) {
        m_screens.model.write(ParamWrite::fromDrag(binding.send, moved));
    }
}

void FaderPageSendTile::writeTap(const Binding& binding, bool preFader) {
    const std::uint16_t send = m_screens.model.value(binding.shown);
    const std::uint16_t tapped = SendOnFader::withPreFader(send, preFader);
    if (tapped != send) {
        m_screens.model.write(ParamWrite::control(binding.send, tapped));
    }
}

void FaderPageSendTile::switchSide(const Binding& binding, int side) {
    if (!hasSides(binding)) {
        return;
    }
    const int input = binding.channel.channel.index;
    const ParamId word = StereoSendMode::wordId(input, m_bus->index);
    const int mode =
        StereoSendMode::toggled(StereoSendMode::of(m_screens.model, input, m_bus->index), side);
    m_screens.model.write(ParamWrite::control(
        word, StereoSendMode::withMode(m_screens.model.value(word), m_bus->index, mode)));
}

void FaderPageSendTile::select(int index) {
    m_selected = index;
    for (int i = 0; i < kStripCount; ++i) {
        markSelected(*m_strips[static_cast<std::size_t>(i)], i == index);
    }
}

bool FaderPageSendTile::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < m_boundCount; ++i) {
            if (m_strips[static_cast<std::size_t>(i)] == watched) {
                select(i);
            }
        }
    }
    return StyledWidget::eventFilter(watched, event);
}

} // namespace v32
