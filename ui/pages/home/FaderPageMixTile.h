#pragma once

#include "ui/pages/home/FaderPageChannel.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>
#include <vector>

namespace v32 {

class CompactStrip;
class FaderPageColourBar;
class HomeNavigation;
struct ScreenContext;

// One tile of the fader page: two fader banks on two rows of mini strips under their
// channels' colours, the shorter row left open at its end so that the columns of both rows
// line up. The strips drive their
// channels' faders, on switches and monitor sends, and the name opens the channel editor.
// One strip is selected at a time: the one the encoder moves.
class FaderPageMixTile : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 14;

    FaderPageMixTile(ScreenContext& screens, HomeNavigation& navigation, int topBank,
                     int bottomBank, QWidget* parent = nullptr);

    int stripCount() const { return static_cast<int>(m_cells.size()); }
    CompactStrip* strip(int index) const;
    FaderPageColourBar* colourBar(int index) const;
    Channel channelOf(int index) const;
    int selectedStrip() const { return m_selected; }

    // Each strip's fader, on switch and monitor send.
    ParamBindings& bindings() { return m_parameters; }
    void channelName(int slot, const QString& name);
    // Every strip's name and colour from the model again.
    void rebuild();
    // Moves the selected strip's fader by delta detents.
    void stepSelected(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindParameters();
    struct Cell {
        FaderPageChannel channel;
        CompactStrip* strip;
        FaderPageColourBar* colourBar;
        QString name;
    };

    void addRow(int bank, int row);
    void onAction(int index, int action);
    void writeFader(const Cell& cell);
    void select(int index);
    static void showName(const Cell& cell);

    ScreenContext& m_screens;
    ParamBindings m_parameters;
    HomeNavigation& m_navigation;
    std::vector<Cell> m_cells;
    int m_selected = 0;
};

} // namespace v32
