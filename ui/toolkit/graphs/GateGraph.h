#pragma once

#include "ui/toolkit/graphs/GateEnvelope.h"
#include "ui/toolkit/graphs/HandleGraph.h"
#include "ui/toolkit/style/Palette.h"

#include <cstdint>
#include <vector>

namespace v32 {

class FontCache;

// The gate's envelope over time with its three draggable corners. Dragging emits
// valueChanged(); the owner reads the threshold and the times and writes the
// parameters. A disabled graph shows the envelope's area dimmed.
class GateGraph : public HandleGraph {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{320, 240};
    static constexpr std::uint16_t kDefaultEnvelopeColour = palette::kSkyBlue;

    // Empty grids stand for the default ones.
    explicit GateGraph(FontCache& fonts, QWidget* parent = nullptr,
                       std::vector<EqGridRow> timeGrid = {}, std::vector<EqGridRow> levelGrid = {});

    void setEnvelopeColour(std::uint16_t colour);

    void setThreshold(double threshold);
    void setAttack(double attack);
    void setHold(double hold);
    void setDecay(double decay);
    double threshold() const { return m_envelope.threshold(); }
    int attack() const { return m_envelope.attack(); }
    int hold() const { return m_envelope.hold(); }
    int decay() const { return m_envelope.decay(); }
    const GateEnvelope& envelope() const { return m_envelope; }

    QSize sizeHint() const override { return kDefaultSize; }

private:
    void placePlot(const EqPlotLayout& plot) override { m_envelope.setPlot(plot); }
    const EqPlotLayout& plot() const override { return m_envelope.plot(); }
    const std::vector<EqGridRow>& bottomGrid() const override { return m_envelope.timeGrid(); }
    const std::vector<EqGridRow>& leftGrid() const override { return m_envelope.levelGrid(); }
    bool pressHandle(int x, int y) override;
    bool isDragging() const override;
    bool dragHandleTo(int x, int y) override { return m_envelope.dragTo(x, y); }
    void releaseHandle() override { m_envelope.release(); }
    void paintContent(QPainter& painter) const override;
    QString accessibleSummary() const override;

    void paintEnvelope(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;

    GateEnvelope m_envelope;
    std::uint16_t m_envelopeColour = kDefaultEnvelopeColour;
};

} // namespace v32
