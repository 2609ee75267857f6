#include "ui/toolkit/graphs/GateEnvelope.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace v32 {

namespace {

constexpr int kTimeLines = 9;
constexpr int kTimeSpan = 5000;

std::vector<EqGridRow> orDefault(std::vector<EqGridRow> grid,
                                 std::vector<EqGridRow> (*defaultGrid)()) {
    if (grid.size() < 2 || grid.front().value == grid.back().value) {
        return defaultGrid();
    }
    return grid;
}

bool inSquare(int x, int y, GateEnvelope::Point centre, int size) {
    const int left = centre.x - size / 2;
    const int top = centre.y - size / 2;
    return x >= left && x < left + size && y >= top && y < top + size;
}

} // namespace

std::vector<EqGridRow> GateEnvelope::defaultTimeGrid() {
    std::vector<EqGridRow> grid;
    for (int i = 0; i < kTimeLines; ++i) {
        grid.push_back({static_cast<double>(i * kTimeSpan / (kTimeLines - 1)), ""});
    }
    return grid;
}

std::vector<EqGridRow> GateEnvelope::defaultLevelGrid() {
    std::vector<EqGridRow> grid;
    for (int level = -80; level <= 0; level += 10) {
        grid.push_back({static_cast<double>(level), std::to_string(level)});
    }
    return grid;
}

GateEnvelope::GateEnvelope(std::vector<EqGridRow> timeGrid, std::vector<EqGridRow> levelGrid)
    : m_timeGrid(orDefault(std::move(timeGrid), &GateEnvelope::defaultTimeGrid))
    , m_levelGrid(orDefault(std::move(levelGrid), &GateEnvelope::defaultLevelGrid)) {
    computePoints();
    layOutGrids();
}

void GateEnvelope::setPlot(const EqPlotLayout& plot) {
    m_plot = plot;
    computePoints();
    layOutGrids();
}

void GateEnvelope::setThreshold(double threshold) {
    m_threshold = threshold;
    computePoints();
}

void GateEnvelope::setAttack(double attack) {
    m_attack = attack;
    computePoints();
}

void GateEnvelope::setHold(double hold) {
    m_hold = hold;
    computePoints();
}

void GateEnvelope::setDecay(double decay) {
    m_decay = decay;
    computePoints();
}

int GateEnvelope::attack() const {
    return static_cast<int>(std::lround(m_attack));
}

int GateEnvelope::hold() const {
    return static_cast<int>(std::lround(m_hold));
}

int GateEnvelope::decay() const {
    return static_cast<int>(std::lround(m_decay));
}

GateEnvelope::Corner GateEnvelope::press(int x, int y, int handleSize) {
    constexpr std::array<Corner, 3> kOrder = {Corner::AttackEnd, Corner::HoldEnd, Corner::DecayEnd};
    m_dragged = Corner::None;
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        if (inSquare(x, y, m_points[i + 1], handleSize)) {
            m_dragged = kOrder[i];
            break;
        }
    }
    return m_dragged;
}

bool GateEnvelope::dragTo(int x, int y) {
    x = std::clamp(x, m_plot.x, m_plot.right() - 1);
    y = std::clamp(y, m_plot.y, m_plot.bottom());
    const double threshold = m_threshold;
    const double attack = m_attack;
    const double hold = m_hold;
    const double decay = m_decay;
    switch (m_dragged) {
    case Corner::AttackEnd:
        m_attack = timeAt(x) / kAttackScale;
        m_threshold = levelAt(y);
        break;
    case Corner::HoldEnd:
        m_threshold = levelAt(y);
        m_hold = std::max(kShortestStretch, timeAt(x) - timeAt(m_points[1].x));
        break;
    case Corner::DecayEnd:
        m_decay = std::max(kShortestStretch, timeAt(x) - timeAt(m_points[2].x));
        break;
    case Corner::None:
        return false;
    }
    computePoints();
    return threshold != m_threshold || attack != m_attack || hold != m_hold || decay != m_decay;
}

int GateEnvelope::xOfTime(double time) const {
    const double first = m_timeGrid.front().value;
    const double last = m_timeGrid.back().value;
    return m_plot.x + static_cast<int>(std::lround(m_plot.width * (time - first) / (last - first)));
}

int GateEnvelope::yOfLevel(double level) const {
    const double first = m_levelGrid.front().value;
    const double last = m_levelGrid.back().value;
    return m_plot.bottom() -
           static_cast<int>(std::lround(m_plot.height * (level - first) / (last - first)));
}

double GateEnvelope::timeAt(int x) const {
    const double first = m_timeGrid.front().value;
    const double last = m_timeGrid.back().value;
    return first + (x - m_plot.x) * (last - first) / m_plot.width;
}

double GateEnvelope::levelAt(int y) const {
    const double first = m_levelGrid.front().value;
    const double last = m_levelGrid.back().value;
    return first + (m_plot.bottom() - y) * (last - first) / m_plot.height;
}

void GateEnvelope::computePoints() {
    const double attackEnd = m_attack * kAttackScale;
    const double holdEnd = attackEnd + m_hold;
    const double decayEnd = holdEnd + m_decay;
    const int thresholdY = yOfLevel(m_threshold);
    m_points[0] = {m_plot.x, m_plot.bottom()};
    m_points[1] = {xOfTime(attackEnd), thresholdY};
    m_points[2] = {xOfTime(holdEnd), thresholdY};
    m_points[3] = {xOfTime(decayEnd), m_plot.bottom()};
}

void GateEnvelope::layOutGrids() {
    for (EqGridRow& row : m_timeGrid) {
        row.position = xOfTime(row.value);
    }
    for (EqGridRow& row : m_levelGrid) {
        row.position = yOfLevel(row.value);
    }
}

} // namespace v32
