#pragma once

#include "ui/toolkit/graphs/DynamicsCurve.h"
#include "ui/toolkit/graphs/HandleGraph.h"
#include "ui/toolkit/style/Palette.h"

#include <cstdint>
#include <vector>

namespace v32 {

class FontCache;

// The transfer curve of a compressor or gate with its threshold ("T") and ratio ("R")
// handles. Dragging a handle emits valueChanged(); the owner reads threshold() and
// ratio() and writes the parameters. A disabled graph shows the curve's area dimmed,
// without lines.
class DynamicsGraph : public HandleGraph {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{320, 240};
    static constexpr std::uint16_t kDefaultCurveColour = palette::kSkyBlue;

    // Empty grids stand for the default ones.
    explicit DynamicsGraph(FontCache& fonts, QWidget* parent = nullptr,
                           std::vector<EqGridRow> inputGrid = {},
                           std::vector<EqGridRow> outputGrid = {});

    void setCurveColour(std::uint16_t colour);

    void setThreshold(double threshold);
    void setRatio(double ratio);
    void setGain(double gain);
    double threshold() const { return m_curve.threshold(); }
    double ratio() const { return m_curve.ratio(); }
    const DynamicsCurve& curve() const { return m_curve; }

    QSize sizeHint() const override { return kDefaultSize; }

private:
    void placePlot(const EqPlotLayout& plot) override { m_curve.setPlot(plot); }
    const EqPlotLayout& plot() const override { return m_curve.plot(); }
    const std::vector<EqGridRow>& bottomGrid() const override { return m_curve.inputGrid(); }
    const std::vector<EqGridRow>& leftGrid() const override { return m_curve.outputGrid(); }
    bool pressHandle(int x, int y) override;
    bool isDragging() const override;
    bool dragHandleTo(int x, int y) override { return m_curve.dragTo(x, y); }
    void releaseHandle() override { m_curve.release(); }
    void paintContent(QPainter& painter) const override;
    QString accessibleSummary() const override;

    void paintCurve(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;

    DynamicsCurve m_curve;
    std::uint16_t m_curveColour = kDefaultCurveColour;
};

} // namespace v32
