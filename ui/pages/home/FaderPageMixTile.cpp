#include "ui/pages/home/FaderPageMixTile.h"

#include "app/model/BankTable.h"
#include "app/model/MonitorSend.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/StripWrites.h"
#include "ui/pages/home/FaderPageColourBar.h"
#include "ui/pages/home/FaderPageNameText.h"
#include "ui/pages/home/FaderPageSelection.h"
#include "ui/pages/home/FaderPageStep.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/CompactStrip.h"

#include <QEvent>
#include <QGridLayout>

namespace v32 {

namespace {
constexpr int kSpacing = 4;

} // namespace

FaderPageMixTile::FaderPageMixTile(ScreenContext& screens, HomeNavigation& navigation, int topBank,
                                   int bottomBank, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens)
    , m_navigation(navigation) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    for (int column = 0; column < kColumns; ++column) {
        grid->setColumnStretch(column, 1);
    }
    addRow(topBank, 0);
    addRow(bottomBank, 1);
    bindParameters();
    rebuild();
    select(0);
}

void FaderPageMixTile::addRow(int bank, int row) {
    const Bank* entries = BankTable::bank(bank);
    if (entries == nullptr) {
        return;
    }
    auto* grid = static_cast<QGridLayout*>(layout());
    // Each bank takes two grid rows: the colour bars, then the strips that share the height.
    const int barRow = 2 * row;
    grid->setRowStretch(barRow + 1, 1);
    int column = 0;
    for (const Channel channel :
         entries->channels.first(std::min<std::size_t>(entries->channels.size(), kColumns))) {
        auto* strip = new CompactStrip(m_screens.fonts, m_screens.images, this);
        strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        strip->installEventFilter(this);
        strip->nameButton()->installEventFilter(this);
        const int index = static_cast<int>(m_cells.size());
        connect(strip, &CompactStrip::actionTaken, this,
                [this, index](CompactStrip::Action action) { onAction(index, action); });
        auto* colourBar = new FaderPageColourBar(this);
        grid->addWidget(colourBar, barRow, column);
        grid->addWidget(strip, barRow + 1, column++);
        m_cells.push_back({FaderPageChannel(channel), strip, colourBar, QString()});
    }
}

CompactStrip* FaderPageMixTile::strip(int index) const {
    return index >= 0 && index < stripCount() ? m_cells[static_cast<std::size_t>(index)].strip
                                              : nullptr;
}

FaderPageColourBar* FaderPageMixTile::colourBar(int index) const {
    return index >= 0 && index < stripCount() ? m_cells[static_cast<std::size_t>(index)].colourBar
                                              : nullptr;
}

Channel FaderPageMixTile::channelOf(int index) const {
    return index >= 0 && index < stripCount()
               ? m_cells[static_cast<std::size_t>(index)].channel.channel
               : Channel{};
}

void FaderPageMixTile::bindParameters() {
    for (const Cell& cell : m_cells) {
        CompactStrip* strip = cell.strip;
        m_parameters.bind(cell.channel.fader, [strip](ParamId, std::uint16_t value) {
            strip->setFaderLevel(toReal(ValueFaderLevel, value));
        });
        m_parameters.bind(cell.channel.on, [strip](ParamId, std::uint16_t value) {
            strip->setMuted(FaderPageChannel::isMuted(value));
        });
        m_parameters.bind(cell.channel.monitor, [strip](ParamId, std::uint16_t value) {
            strip->setSoloed(MonitorSend::isLit(value));
        });
    }
}

void FaderPageMixTile::channelName(int slot, const QString& name) {
    for (Cell& cell : m_cells) {
        if (cell.channel.slot() == slot) {
            cell.name = name;
            showName(cell);
        }
    }
}

void FaderPageMixTile::rebuild() {
    for (Cell& cell : m_cells) {
        cell.name = cell.channel.name(m_screens.model);
        showName(cell);
        cell.colourBar->setColour(cell.channel.colour(m_screens.model));
    }
}

void FaderPageMixTile::showName(const Cell& cell) {
    cell.strip->setName(fittedName(cell.name, *cell.strip->nameButton()));
}

void FaderPageMixTile::stepSelected(int delta) {
    if (m_selected < 0 || m_selected >= stripCount() || delta == 0) {
        return;
    }
    const ParamId id = m_cells[static_cast<std::size_t>(m_selected)].channel.fader;
    const std::uint16_t fader = m_screens.model.value(id);
    const std::uint16_t level =
        steppedLevel(ValueFaderLevel, fader & FaderLevel::kLevelMask, delta);
    const std::uint16_t stepped = FaderLevel::withLevel(fader, level);
    if (stepped != fader) {
        m_screens.model.write(ParamWrite::control(id, stepped));
    }
}

void FaderPageMixTile::onAction(int index, int action) {
    select(index);
    const Cell& cell = m_cells[static_cast<std::size_t>(index)];
    switch (action) {
    case CompactStrip::Name:
        m_navigation.openPage(PageId::EditCont, OpenArgument::channelSlot(cell.channel.slot()));
        break;
    case CompactStrip::Mute:
        strip_writes::toggleOn(m_screens.model, cell.channel.channel);
        break;
    case CompactStrip::Solo:
        strip_writes::switchMonitorSend(m_screens.model, cell.channel.channel);
        break;
    case CompactStrip::FaderMoved:
        writeFader(cell);
        break;
    default:
        break;
    }
}

// Only a level that changes the stored value is written; the strip under the finger is not
// redrawn from its own write.
void FaderPageMixTile::writeFader(const Cell& cell) {
    const std::uint16_t fader = m_screens.model.value(cell.channel.fader);
    const std::uint16_t level = toRaw(ValueFaderLevel, cell.strip->faderLevel());
    const std::uint16_t moved = FaderLevel::withLevel(fader, level);
    if (moved != fader) {
        m_screens.model.write(ParamWrite::fromDrag(cell.channel.fader, moved));
    }
}

void FaderPageMixTile::select(int index) {
    m_selected = index;
    for (int i = 0; i < stripCount(); ++i) {
        markSelected(*m_cells[static_cast<std::size_t>(i)].strip, i == index);
    }
}

// A touch on a strip's background selects it as well, and a name is cut again to the
// width its button has been given.
bool FaderPageMixTile::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < stripCount(); ++i) {
        const Cell& cell = m_cells[static_cast<std::size_t>(i)];
        if (event->type() == QEvent::MouseButtonPress && watched == cell.strip) {
            select(i);
        } else if (event->type() == QEvent::Resize && watched == cell.strip->nameButton()) {
            showName(cell);
        }
    }
    return StyledWidget::eventFilter(watched, event);
}

} // namespace v32
