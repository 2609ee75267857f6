#pragma once

#include "app/model/Channel.h"
#include "ui/toolkit/framework/Page.h"

#include <QPointer>
#include <QTimer>
#include <memory>

namespace v32 {

class BankCell;
class BankGrid;
class DcaPanel;
class HomeNavigation;
class MainSection;
class MeterBridge;
class PhantomConfirmation;
class RoutePanel;
struct ScreenContext;

// Page 3, `brief_channel`: the current bank's channels on brief strips (the DCA panel for
// the DCA bank), the route matrix of the selected channel, the MAIN section and the meter
// bridge. Opened with a channel slot it shows that slot's bank with the slot selected;
// opened to its own choice the current bank with the cell selected there before.
class BankOverviewPage : public Page {
    Q_OBJECT

public:
    static constexpr int kMeterPeriodMs = 100;
    static constexpr int kRouteNamesDelayMs = 100;
    static constexpr int kDcaBank = 4;

    BankOverviewPage(QWidget* parent, ScreenContext& screens, HomeNavigation& navigation);
    ~BankOverviewPage() override;

    void leave() override;
    void enter() override;
    // A channel slot, the page's own choice, or the selection of the selected cell run again.
    void open(const OpenArgument& argument) override;
    void channelName(int slot, std::string_view name) override;

    int bank() const { return m_bank; }
    int selectedCell() const { return m_selectedCell; }
    // The channel whose sends the route matrix shows: the left half of a linked pair.
    Channel selectedChannel() const { return m_selected; }

    BankGrid& grid() const { return *m_grid; }
    DcaPanel& dcaPanel() const { return *m_dca; }
    MainSection& mainSection() const { return *m_main; }
    RoutePanel& routePanel() const { return *m_route; }
    MeterBridge& meterBridge() const { return *m_bridge; }
    PhantomConfirmation& phantomConfirmation() const;
    // Runs only while the page is shown.
    const QTimer* cellMeterTimer() const { return m_cellMeters.get(); }
    // What that timer does: the cells' meters follow the mixer's while the link is up.
    void refreshCellMeters();

private:
    void showBank(int bank);
    void nameAll();
    void showName(int slot);
    void selectCell(int cell);
    QString selectionTitle(Channel channel, bool linked) const;
    bool isLinked(Channel channel) const;
    void showLinks();
    void onCellTouched(int cell);
    void onCellAction(int cell, int action);
    void switchPhantom(const BankCell& cell);
    void writePan(const BankCell& cell);
    void bindParameters();

    ScreenContext& m_screens;
    HomeNavigation& m_navigation;
    BankGrid* m_grid;
    DcaPanel* m_dca;
    RoutePanel* m_route;
    MainSection* m_main;
    MeterBridge* m_bridge;
    // Over the whole screen, so that nothing else can be touched while it asks.
    QPointer<PhantomConfirmation> m_phantom;
    std::unique_ptr<QTimer> m_cellMeters;
    QTimer m_routeNames;
    int m_bank = -1;
    int m_selectedCell = -1;
    Channel m_selected;
};

} // namespace v32
