#include "ui/pages/home/BankOverviewPage.h"

#include "app/model/BankTable.h"
#include "app/model/ChannelColour.h"
#include "app/model/ChannelSlot.h"
#include "app/model/LinkedWrites.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/ChannelIndexes.h"
#include "app/protocol/FixedParams.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/StripWrites.h"
#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankGrid.h"
#include "ui/pages/home/ChannelRename.h"
#include "ui/pages/home/DcaPanel.h"
#include "ui/pages/home/LongPress.h"
#include "ui/pages/home/MainSection.h"
#include "ui/pages/home/MeterBridge.h"
#include "ui/pages/home/MeterReading.h"
#include "ui/pages/home/PanelFollow.h"
#include "ui/pages/home/PhantomConfirmation.h"
#include "ui/pages/home/RoutePanel.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/widgets/BriefStrip.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/PanSlider.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace v32 {

namespace {

constexpr int kRouteWidth = 132;
constexpr int kMainWidth = 136;
constexpr int kSpacing = 4;

// A fixed stereo input's right half has no cell of its own; its left half stands for it.
int cellSlotOf(int slot) {
    const Channel channel = ChannelSlot::channelOf(slot);
    if (channel.kind == KindInput && isStereoRightInput(channel.index)) {
        return slot - 1;
    }
    return slot;
}

} // namespace

BankOverviewPage::BankOverviewPage(QWidget* parent, ScreenContext& screens,
                                   HomeNavigation& navigation)
    : Page(parent)
    , m_screens(screens)
    , m_navigation(navigation)
    , m_grid(new BankGrid(screens.fonts, screens.images, this))
    , m_dca(new DcaPanel(screens, navigation, this))
    , m_route(new RoutePanel(screens, this))
    , m_main(new MainSection(screens, navigation, this))
    , m_bridge(new MeterBridge(screens, this)) {
    setAccessibleName(QStringLiteral("brief_channel"));
    QWidget* overlayParent = screens.root != nullptr ? &screens.root->screenLayer() : this;
    m_phantom = new PhantomConfirmation(overlayParent, screens.fonts);

    m_grid->setActionHandler([this](int cell, int action) { onCellAction(cell, action); });
    m_grid->setTouchHandler([this](int cell) { onCellTouched(cell); });
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        Button* name = m_grid->cell(index).strip().nameButton();
        new LongPress(name, [this, index, name] {
            const int slot = m_grid->cell(index).slot();
            if (slot >= 0) {
                ChannelRename::ask(m_screens, *name, slot, [this, slot] { channelName(slot, {}); });
            }
        });
    }
    m_dca->hide();
    m_bridge->setCompact(screens.root != nullptr && screens.root->globalBar() != nullptr);
    m_route->setFixedWidth(kRouteWidth);
    // The route matrix leaves its place empty for the channels without sends, so that the
    // strips keep their width from bank to bank.
    QSizePolicy routePolicy = m_route->sizePolicy();
    routePolicy.setRetainSizeWhenHidden(true);
    m_route->setSizePolicy(routePolicy);
    m_main->setFixedWidth(kMainWidth);
    m_routeNames.setSingleShot(true);
    m_routeNames.setInterval(kRouteNamesDelayMs);
    connect(&m_routeNames, &QTimer::timeout, m_route, &RoutePanel::nameCells);

    auto* top = new QHBoxLayout;
    top->setSpacing(kSpacing);
    top->addWidget(m_grid, 1);
    top->addWidget(m_dca, 1);
    top->addWidget(m_route);
    top->addWidget(m_main);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addLayout(top, 1);
    column->addWidget(m_bridge);
    bindParameters();
}

BankOverviewPage::~BankOverviewPage() {
    delete m_phantom.data();
}

PhantomConfirmation& BankOverviewPage::phantomConfirmation() const {
    return *m_phantom;
}

void BankOverviewPage::enter() {
    m_cellMeters = std::make_unique<QTimer>();
    m_cellMeters->setInterval(kMeterPeriodMs);
    connect(m_cellMeters.get(), &QTimer::timeout, this, &BankOverviewPage::refreshCellMeters);
    m_cellMeters->start();
    panel_follow::showPage(m_screens, PanelPage::BankOverview);
}

void BankOverviewPage::leave() {
    m_cellMeters.reset();
    m_phantom->dismiss();
}

void BankOverviewPage::open(const OpenArgument& argument) {
    if (argument.kind() == OpenArgument::Kind::Reselect) {
        selectCell(m_selectedCell);
        return;
    }
    const int slot = argument.slot() >= 0 ? cellSlotOf(argument.slot()) : -1;
    int bank = slot >= 0 ? BankTable::bankOfSlot(slot) : -1;
    if (bank < 0) {
        bank = m_navigation.currentBank();
    }
    m_navigation.setCurrentBank(bank);
    if (bank != m_bank) {
        showBank(bank);
        panel_follow::showBank(m_screens, bank);
    }
    nameAll();
    int cell = slot >= 0 ? m_grid->cellIndexOfSlot(slot) : -1;
    if (cell < 0) {
        cell = m_navigation.rememberedCell(bank);
    }
    if (m_grid->layout().channelAt(cell).kind == KindNone) {
        cell = 0;
    }
    selectCell(cell);
}

void BankOverviewPage::showBank(int bank) {
    m_bank = bank;
    m_grid->layOut(bank);
    const bool dcaBank = bank == kDcaBank;
    m_grid->setVisible(!dcaBank);
    m_dca->setVisible(dcaBank);
    showLinks();
}

void BankOverviewPage::nameAll() {
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        showName(m_grid->cell(index).slot());
    }
    for (int dca = 0; dca < DcaPanel::kDcaCount; ++dca) {
        m_dca->showName(ChannelSlot::of(KindDca, dca));
    }
    m_route->nameCells();
}

void BankOverviewPage::showName(int slot) {
    const int cell = m_grid->cellIndexOfSlot(slot);
    if (cell >= 0) {
        m_grid->cell(cell).setName(ChannelRename::shownName(m_screens, slot));
    }
    m_dca->showName(slot);
}

bool BankOverviewPage::isLinked(Channel channel) const {
    if (channel.kind == KindInput && channel.index < InputIndex::kMonoCount) {
        return (m_screens.model.value(FixedParam::kInputLinks) >> (channel.index / 2) & 1U) != 0;
    }
    if (channel.kind == KindBus && channel.index < BusIndex::kAuxCount) {
        return (m_screens.model.value(FixedParam::kBusLinks) >> (channel.index / 2) & 1U) != 0;
    }
    return false;
}

void BankOverviewPage::showLinks() {
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        BankCell& cell = m_grid->cell(index);
        const bool linked = isLinked(cell.channel());
        cell.setLinked(linked);
        cell.setLinkedBus(linked && cell.channel().kind == KindBus);
    }
}

void BankOverviewPage::onCellTouched(int cell) {
    if (cell != m_selectedCell) {
        selectCell(cell);
    }
}

// A linked pair is selected as one: both cells light, and the route matrix shows the pair
// under the left half's channel.
void BankOverviewPage::selectCell(int cell) {
    const Channel channel = m_grid->layout().channelAt(cell);
    if (channel.kind == KindNone) {
        return;
    }
    const bool linked = isLinked(channel);
    const Channel left{channel.kind, linked ? channel.index & ~1 : channel.index};
    const BankCell* partner = linked ? m_grid->cellOf({channel.kind, channel.index ^ 1}) : nullptr;
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        BankCell& candidate = m_grid->cell(index);
        candidate.setSelected(index == cell || &candidate == partner);
    }
    m_selectedCell = cell;
    m_selected = left;
    m_navigation.rememberCell(m_bank, cell);
    m_route->setVisible(m_bank != kDcaBank && left.kind != KindBus);
    m_route->showChannel(left, selectionTitle(left, linked));
    m_screens.replay(m_route->bindings());
    m_screens.refreshPanelLights();
}

QString BankOverviewPage::selectionTitle(Channel channel, bool linked) const {
    const int slot = ChannelSlot::of(channel);
    const QString name = ChannelRename::shownName(m_screens, slot);
    if (!linked) {
        return name;
    }
    return name + QLatin1Char('/') + ChannelRename::shownName(m_screens, slot + 1);
}

void BankOverviewPage::onCellAction(int cellIndex, int action) {
    const BankCell& cell = m_grid->cell(cellIndex);
    const Channel channel = cell.channel();
    switch (action) {
    case BriefStrip::Name:
        m_navigation.openPage(PageId::EditCont, OpenArgument::channelSlot(cell.slot()));
        break;
    case BriefStrip::Mute:
        strip_writes::toggleOn(m_screens.model, channel);
        break;
    case BriefStrip::Solo:
        strip_writes::switchMonitorSend(m_screens.model, channel);
        break;
    case BriefStrip::Phantom:
        switchPhantom(cell);
        break;
    case BriefStrip::FaderMoved:
        strip_writes::writeFader(m_screens.model, channel, cell.strip().faderLevel());
        break;
    case BriefStrip::PanMoved:
        writePan(cell);
        break;
    default:
        break;
    }
}

// Switching phantom power off is harmless; switching it on can hurt equipment that is not
// made for it, so it is asked first. The button shows the parameter, not the question.
void BankOverviewPage::switchPhantom(const BankCell& cell) {
    const Channel channel = cell.channel();
    if (channel.kind != KindInput) {
        return;
    }
    const ParamId id = paramId(KindInput, channel.index, InputNumber::kPhantom);
    if (m_screens.model.value(id) != 0) {
        m_screens.model.write(ParamWrite::control(id, 0));
        return;
    }
    cell.strip().setPhantom(false);
    m_phantom->ask([this, id] { m_screens.model.write(ParamWrite::control(id, 1)); });
}

void BankOverviewPage::writePan(const BankCell& cell) {
    const Channel channel = cell.channel();
    m_screens.model.write(ParamWrite::fromDrag(paramId(KindInput, channel.index, InputNumber::kPan),
                                               toRaw(ValuePan, cell.strip().panSlider()->value())));
}

// The page's own bindings are the words that change what the whole grid shows; each cell,
// the DCA panel, the MAIN section and the route matrix bind what they show themselves.
void BankOverviewPage::bindParameters() {
    ParamBindings& page = bindings();
    const auto linksChanged = [this](ParamId, std::uint16_t) {
        showLinks();
        selectCell(m_selectedCell);
    };
    page.bind(FixedParam::kInputLinks, linksChanged);
    page.bind(FixedParam::kBusLinks, linksChanged);
    page.watchRange(FixedParam::kFirstSendMode, FixedParam::kLastSendMode,
                    [this](ParamId, std::uint16_t) { m_screens.replay(m_route->bindings()); });
    page.bindRange(FixedParam::kFirstChannelColour, FixedParam::kLastChannelColour,
                   [this](ParamId id, std::uint16_t value) {
                       const int cell = m_grid->cellIndexOfSlot(ChannelColour::slotOf(id));
                       if (cell >= 0) {
                           m_grid->cell(cell).setColour(ChannelColour::colourOf(value));
                       }
                   });
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        page.attach(m_grid->cell(index).bindings());
    }
    page.attach(m_dca->bindings());
    page.attach(m_main->bindings());
    page.attach(m_route->bindings());
}

void BankOverviewPage::channelName(int slot, std::string_view /*name*/) {
    showName(slot);
    const int selectedSlot = ChannelSlot::of(m_selected);
    const bool linked = isLinked(m_selected);
    if (slot == selectedSlot || (linked && slot == selectedSlot + 1)) {
        m_route->showChannel(m_selected, selectionTitle(m_selected, linked));
    }
    m_routeNames.start();
}

// Meters are read from what the mixer last reported; while the link is down they hold.
void BankOverviewPage::refreshCellMeters() {
    if (!m_screens.isOnline()) {
        return;
    }
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        BankCell& cell = m_grid->cell(index);
        const Channel channel = cell.channel();
        if (channel.kind == KindInput || channel.kind == KindEffect || channel.kind == KindBus) {
            const meters::MeterPair levels = meters::channelMeters(m_screens.model, channel);
            cell.strip().setMeterLevels(levels.left, levels.right);
        }
    }
}

} // namespace v32
