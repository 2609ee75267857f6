#include "ui/pages/home/RoutePanel.h"

#include "app/core/Translation.h"
#include "app/model/ChannelSlot.h"
#include "app/model/RouteSends.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/LinkBits.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/SendLevel.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValuePosition.h"
#include "ui/pages/ScreenContext.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/RouteMatrix.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QVBoxLayout>

namespace v32 {

namespace {
constexpr int kCaptionPixels = 16;
constexpr int kPadding = 4;
constexpr int kRadius = 4;

// A bus cell is named by the user's name of the bus it sends to, else by its number.
QString cellName(const ScreenContext& screens, int slot, const QString& fallback) {
    const std::string_view name = screens.model.channelName(slot);
    return name.empty() ? fallback
                        : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

RoutePanel::RoutePanel(ScreenContext& screens, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens)
    , m_caption(new TextLabel(this))
    , m_matrix(new RouteMatrix(screens.fonts, this)) {
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(QString::fromUtf8(translate("ROUTE")));
    setBackground(kBackground);
    setRadius(kRadius);
    setPadding(kPadding);
    m_caption->setCaption("ROUTE");
    m_caption->setFont(screens.fonts.fontOfSize(kCaptionPixels));
    m_matrix->setSizes(RouteMatrix::kMaximumAux, RouteMatrix::kMaximumFx);
    m_matrix->setRotated(false);
    connect(m_matrix, &RouteMatrix::cellMoved, this, &RoutePanel::onCellMoved);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kPadding);
    column->addWidget(m_caption);
    column->addWidget(m_matrix, 1);
}

void RoutePanel::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    const bool compact = m_matrix->height() < kRoomyMatrixHeight;
    m_matrix->setCompact(compact);
}

void RoutePanel::showChannel(Channel channel, const QString& title) {
    m_channel = channel;
    for (int row = 0; row < RouteMatrix::kSectionCount; ++row) {
        m_matrix->setSectionShown(row, RouteSends::hasRow(channel, row));
    }
    m_matrix->setTitle(title);
    bindSends();
}

void RoutePanel::bindSends() {
    m_bindings.clear();
    const auto bindNumbers = [this](Channel channel, int first, int last) {
        m_bindings.bindRange(paramId(channel.kind, channel.index, first),
                             paramId(channel.kind, channel.index, last),
                             [this](ParamId id, std::uint16_t value) { showParameter(id, value); });
    };
    switch (m_channel.kind) {
    case KindInput:
        bindNumbers(m_channel, InputNumber::kFirstBusSend, InputNumber::kLastEffectSend);
        if (isStereoLeftInput(m_channel.index)) {
            const Channel right{KindInput, m_channel.index + 1};
            bindNumbers(right, InputNumber::kFirstBusSend, InputNumber::kLastAuxSend);
            bindNumbers(right, InputNumber::kMainRightSend, InputNumber::kMainRightSend);
        } else if (isLinkedMonoPair()) {
            // The matrix shows a linked pair under its left half, whichever half a send of
            // the pair arrives on.
            bindNumbers({KindInput, m_channel.index + 1}, InputNumber::kFirstBusSend,
                        InputNumber::kLastEffectSend);
        }
        break;
    case KindBus:
        bindNumbers(m_channel, BusNumber::kMonitorLeftSend, BusNumber::kMonitorRightSend);
        break;
    case KindEffect:
        bindNumbers(m_channel, EffectNumber::kFirstAuxSend, EffectNumber::kMonitorRightSend);
        break;
    default:
        break;
    }
}

bool RoutePanel::isLinkedMonoPair() const {
    return m_channel.kind == KindInput && m_channel.index % 2 == 0 &&
           m_channel.index < InputIndex::kMonoCount &&
           LinkBits::isLinked(m_screens.model.value(FixedParam::kInputLinks), m_channel.index);
}

void RoutePanel::showParameter(ParamId id, std::uint16_t value) {
    const RouteSends::Cell cell = RouteSends::cellOf(m_screens.model, m_channel, id);
    if (cell.isValid()) {
        m_matrix->showSend(cell.row, cell.cell, percentPosition(ValueSendLevel, value),
                           SendLevel::isPreFader(value));
    }
}

void RoutePanel::nameCells() {
    for (int aux = 0; aux < RouteMatrix::kMaximumAux; ++aux) {
        m_matrix->setCellLabel(
            RouteMatrix::SectionAux, aux,
            cellName(m_screens, ChannelSlot::of(KindBus, aux), QString::number(aux + 1)));
    }
    for (int fx = 0; fx < RouteMatrix::kMaximumFx; ++fx) {
        m_matrix->setCellLabel(
            RouteMatrix::SectionFx, fx,
            cellName(m_screens, ChannelSlot::of(KindEffect, fx), QString::number(fx + 1)));
    }
    const QString sides[] = {QStringLiteral("L"), QStringLiteral("R")};
    for (int side = 0; side < RouteMatrix::kMainCells; ++side) {
        m_matrix->setCellLabel(
            RouteMatrix::SectionMain, side,
            cellName(m_screens, ChannelSlot::of(KindBus, BusIndex::kMainLeft + side), sides[side]));
    }
}

// The level comes from the send steps of the fader scale; the flags of the send stay.
void RoutePanel::onCellMoved(const RouteMatrixEvent& event) {
    const ParamPair write =
        RouteSends::levelWrite(m_screens.model, m_channel, event.section, event.cell,
                               rawOfPosition(ValueSendLevel, event.normalised));
    if (write.id != kInvalidParam) {
        m_screens.model.write(ParamWrite::fromDrag(write.id, write.value));
    }
}

} // namespace v32
