#pragma once

#include "ui/toolkit/graphs/EqGridRow.h"
#include "ui/toolkit/graphs/EqPlotLayout.h"

#include <vector>

namespace v32 {

// The static transfer curve of a compressor or gate: output level over input level,
// a unity line lifted by the make-up gain up to the threshold and a line flattened by the
// ratio above it, and the drags of its threshold and ratio handles. Points and grid
// positions are widget pixels.
class DynamicsCurve {
public:
    static constexpr double kDefaultThreshold = -20.0;
    static constexpr double kDefaultRatio = 2.0;
    static constexpr double kDefaultGain = 0.0;
    // Ratios dragged beyond the largest finite ratio mean "no more output above the
    // threshold".
    static constexpr double kLargestFiniteRatio = 40.0;
    static constexpr double kInfiniteRatio = 60.0;

    enum class Handle {
        None,
        Threshold,
        Ratio,
    };

    struct Point {
        int x = 0;
        int y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    // Levels -80 to +20 dB in steps of 20, on both axes.
    static std::vector<EqGridRow> defaultGrid();

    // An empty grid, or one with fewer than two rows, stands for the default one.
    explicit DynamicsCurve(std::vector<EqGridRow> inputGrid = {},
                           std::vector<EqGridRow> outputGrid = {});

    void setPlot(const EqPlotLayout& plot);
    const EqPlotLayout& plot() const { return m_plot; }

    void setThreshold(double threshold);
    // Ratios below 1 are taken as 1.
    void setRatio(double ratio);
    void setGain(double gain);
    double threshold() const { return m_threshold; }
    double ratio() const { return m_ratio; }
    double gain() const { return m_gain; }

    Point start() const { return m_start; }
    Point thresholdPoint() const { return m_thresholdPoint; }
    Point end() const { return m_end; }
    const std::vector<EqGridRow>& inputGrid() const { return m_inputGrid; }
    const std::vector<EqGridRow>& outputGrid() const { return m_outputGrid; }

    // A press within the handle square around the threshold point drags the threshold,
    // else one around the end point drags the ratio.
    Handle press(int x, int y, int handleSize);
    // Moves the dragged handle to the point, clamped to the plot; true when that took a
    // new threshold or ratio.
    bool dragTo(int x, int y);
    void release() { m_dragged = Handle::None; }
    Handle draggedHandle() const { return m_dragged; }

private:
    int xOfInput(double level) const;
    double outputOffset(double level) const;
    double unitySlope() const;
    int unityY(int x) const;
    void computePoints();
    void layOutGrids();
    bool dragThreshold(int x);
    bool dragRatio(int y);

    std::vector<EqGridRow> m_inputGrid;
    std::vector<EqGridRow> m_outputGrid;
    EqPlotLayout m_plot;
    double m_threshold = kDefaultThreshold;
    double m_ratio = kDefaultRatio;
    double m_gain = kDefaultGain;
    Point m_start;
    Point m_thresholdPoint;
    Point m_end;
    Handle m_dragged = Handle::None;
};

} // namespace v32
