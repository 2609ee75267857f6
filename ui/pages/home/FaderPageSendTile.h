#pragma once

#include "app/model/SendOnFader.h"
#include "ui/pages/home/FaderPageChannel.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <cstdint>
#include <optional>

namespace v32 {

class FaderPageSendStrip;
struct ScreenContext;

// The sends on faders: every channel that can send to the chosen AUX or FX bus on a strip
// of its own, in two rows, whose fader drives that channel's send to the bus. Beside the
// level a send is taken before or after the channel's fader, and a stereo input chooses
// which of its sides feeds an AUX. One strip is selected at a time: the one the encoder
// moves.
class FaderPageSendTile : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 19;
    static constexpr int kStripCount = 2 * kColumns;

    FaderPageSendTile(ScreenContext& screens, QWidget* parent = nullptr);

    // Puts the bus's senders on the strips, in the order of the mixer's channels.
    void showBus(SendBus bus);

    int boundCount() const { return m_boundCount; }
    FaderPageSendStrip* strip(int index) const;
    Channel channelOf(int index) const;
    int selectedStrip() const { return m_selected; }

    // Each strip's send level, its channel's on switch and monitor send; they follow the bus.
    ParamBindings& bindings() { return m_parameters; }
    void channelName(int slot, const QString& name);
    // Names, colours, sides and the sends shown, from the model again: after a change of a
    // colour or of a stereo input's sides.
    void rebuild();
    void stepSelected(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindParameters();
    struct Binding {
        FaderPageChannel channel;
        ParamId send = kInvalidParam;
        ParamId shown = kInvalidParam;
    };

    void bind(int index, Channel source);
    void onAction(int index, int action);
    void writeLevel(int index);
    void writeTap(const Binding& binding, bool preFader);
    void switchSide(const Binding& binding, int side);
    bool hasSides(const Binding& binding) const;
    void select(int index);

    ScreenContext& m_screens;
    std::array<FaderPageSendStrip*, kStripCount> m_strips{};
    std::array<Binding, kStripCount> m_bindings{};
    ParamBindings m_parameters;
    std::optional<SendBus> m_bus;
    int m_boundCount = 0;
    int m_selected = 0;
};

} // namespace v32
