#pragma once

#include "ui/toolkit/graphs/EqGridRow.h"
#include "ui/toolkit/graphs/EqPlotLayout.h"

#include <array>
#include <vector>

namespace v32 {

// The gate's envelope over time: a rise to the threshold level during the attack, a
// flat stretch for the hold and a fall during the decay, with drags of its three corner
// points. Attack is counted in tenths of the time axis' unit; points and grid positions
// are widget pixels.
class GateEnvelope {
public:
    static constexpr double kDefaultThreshold = -40.0;
    static constexpr double kDefaultAttack = 80.0;
    static constexpr double kDefaultHold = 1000.0;
    static constexpr double kDefaultDecay = 1500.0;
    static constexpr double kAttackScale = 10.0;
    // Hold and decay never drag down to nothing, so their points stay apart.
    static constexpr double kShortestStretch = 2.0;

    enum class Corner {
        None,
        AttackEnd,
        HoldEnd,
        DecayEnd,
    };

    struct Point {
        int x = 0;
        int y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    // Nine unlabelled lines over 0 to 5000, and levels -80 to 0 dB in steps of 10.
    static std::vector<EqGridRow> defaultTimeGrid();
    static std::vector<EqGridRow> defaultLevelGrid();

    // An empty grid, or one with fewer than two rows, stands for the default one.
    explicit GateEnvelope(std::vector<EqGridRow> timeGrid = {},
                          std::vector<EqGridRow> levelGrid = {});

    void setPlot(const EqPlotLayout& plot);
    const EqPlotLayout& plot() const { return m_plot; }

    void setThreshold(double threshold);
    void setAttack(double attack);
    void setHold(double hold);
    void setDecay(double decay);
    double threshold() const { return m_threshold; }
    int attack() const;
    int hold() const;
    int decay() const;

    // Start, end of attack, end of hold, end of decay.
    Point point(int index) const { return m_points[static_cast<std::size_t>(index)]; }
    const std::vector<EqGridRow>& timeGrid() const { return m_timeGrid; }
    const std::vector<EqGridRow>& levelGrid() const { return m_levelGrid; }

    // The first corner, in the order attack, hold, decay, whose handle square holds the
    // point starts being dragged.
    Corner press(int x, int y, int handleSize);
    // Moves the dragged corner to the point, clamped to the plot; true when a value
    // changed.
    bool dragTo(int x, int y);
    void release() { m_dragged = Corner::None; }
    Corner draggedCorner() const { return m_dragged; }

private:
    int xOfTime(double time) const;
    int yOfLevel(double level) const;
    double timeAt(int x) const;
    double levelAt(int y) const;
    void computePoints();
    void layOutGrids();

    std::vector<EqGridRow> m_timeGrid;
    std::vector<EqGridRow> m_levelGrid;
    EqPlotLayout m_plot;
    double m_threshold = kDefaultThreshold;
    double m_attack = kDefaultAttack;
    double m_hold = kDefaultHold;
    double m_decay = kDefaultDecay;
    std::array<Point, 4> m_points{};
    Corner m_dragged = Corner::None;
};

} // namespace v32
