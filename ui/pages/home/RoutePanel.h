#pragma once

#include "app/model/Channel.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

class RouteMatrix;
class TextLabel;
struct RouteMatrixEvent;
struct ScreenContext;

// "ROUTE": the sends of the selected channel to the AUX, FX and MAIN buses. Moving a cell
// writes that send's level and keeps its pre-fader flag; a fixed stereo input shows and
// writes each send on the half that carries it.
class RoutePanel : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kBackground = palette::kGrey9;
    // Below this height the sections are packed tightly, so that every cell stays in view.
    static constexpr int kRoomyMatrixHeight = 480;

    RoutePanel(ScreenContext& screens, QWidget* parent = nullptr);

    // The matrix follows the channel's sends from now on; what it shows of them comes
    // when the bindings are replayed.
    void showChannel(Channel channel, const QString& title);
    Channel channel() const { return m_channel; }
    // The sends of the shown channel: a fixed stereo input's on both halves.
    ParamBindings& bindings() { return m_bindings; }
    // The cells are named after the buses they send to.
    void nameCells();

    RouteMatrix& matrix() const { return *m_matrix; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void bindSends();
    bool isLinkedMonoPair() const;
    void showParameter(ParamId id, std::uint16_t value);
    void onCellMoved(const RouteMatrixEvent& event);

    ScreenContext& m_screens;
    TextLabel* m_caption;
    RouteMatrix* m_matrix;
    Channel m_channel;
    ParamBindings m_bindings;
};

} // namespace v32
