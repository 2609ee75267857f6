#include "ui/toolkit/graphs/DynamicsCurve.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace v32 {

namespace {

// The unity line is fixed by its levels 10 dB apart just below 0 dB.
constexpr double kUnityReference = 0.0;
constexpr double kUnitySpan = 10.0;

std::vector<EqGridRow> orDefault(std::vector<EqGridRow> grid) {
    if (grid.size() < 2 || grid.front().value == grid.back().value) {
        return DynamicsCurve::defaultGrid();
    }
    return grid;
}

bool inSquare(int x, int y, DynamicsCurve::Point centre, int size) {
    const int left = centre.x - size / 2;
    const int top = centre.y - size / 2;
    return x >= left && x < left + size && y >= top && y < top + size;
}

} // namespace

std::vector<EqGridRow> DynamicsCurve::defaultGrid() {
    return {{-80, "-80"}, {-60, "-60"}, {-40, "-40"}, {-20, "-20"}, {0, "0"}, {20, "20"}};
}

DynamicsCurve::DynamicsCurve(std::vector<EqGridRow> inputGrid, std::vector<EqGridRow> outputGrid)
    : m_inputGrid(orDefault(std::move(inputGrid)))
    , m_outputGrid(orDefault(std::move(outputGrid))) {
    computePoints();
    layOutGrids();
}

void DynamicsCurve::setPlot(const EqPlotLayout& plot) {
    m_plot = plot;
    computePoints();
    layOutGrids();
}

void DynamicsCurve::setThreshold(double threshold) {
    m_threshold = threshold;
    computePoints();
}

void DynamicsCurve::setRatio(double ratio) {
    m_ratio = std::max(1.0, ratio);
    computePoints();
}

void DynamicsCurve::setGain(double gain) {
    m_gain = gain;
    computePoints();
}

DynamicsCurve::Handle DynamicsCurve::press(int x, int y, int handleSize) {
    if (inSquare(x, y, m_thresholdPoint, handleSize)) {
        m_dragged = Handle::Threshold;
    } else if (inSquare(x, y, m_end, handleSize)) {
        m_dragged = Handle::Ratio;
    } else {
        m_dragged = Handle::None;
    }
    return m_dragged;
}

bool DynamicsCurve::dragTo(int x, int y) {
    x = std::clamp(x, m_plot.x, m_plot.right());
    y = std::clamp(y, m_plot.y + 1, m_plot.bottom());
    bool taken = false;
    if (m_dragged == Handle::Threshold) {
        taken = dragThreshold(x);
    } else if (m_dragged == Handle::Ratio) {
        taken = dragRatio(y);
    }
    if (taken) {
        computePoints();
    }
    return taken;
}

bool DynamicsCurve::dragThreshold(int x) {
    const double minimum = m_inputGrid.front().value;
    const double maximum = m_inputGrid.back().value;
    const double threshold = minimum + (x - m_plot.x) * (maximum - minimum) / m_plot.width;
    if (std::lround(threshold * 10) == std::lround(m_threshold * 10)) {
        return false;
    }
    m_threshold = threshold;
    return true;
}

// Above the threshold the output rises by the unity line's rise over the ratio, so the
// ratio is the unity line's rise over the segment's. A point level with the threshold or
// below it stands for the steepest drop the plot can show.
bool DynamicsCurve::dragRatio(int y) {
    y = std::min(y, m_thresholdPoint.y - 1);
    const double unityRise = (m_end.x - m_thresholdPoint.x) * unitySlope();
    double ratio = std::trunc(unityRise / (m_thresholdPoint.y - y) * 100) / 100;
    if (ratio < 1.0) {
        ratio = 1.0;
    } else if (ratio > kLargestFiniteRatio) {
        ratio = kInfiniteRatio;
    }
    if (std::lround(ratio * 100) == std::lround(m_ratio * 100)) {
        return false;
    }
    m_ratio = ratio;
    return true;
}

int DynamicsCurve::xOfInput(double level) const {
    const double minimum = m_inputGrid.front().value;
    const double maximum = m_inputGrid.back().value;
    return m_plot.x +
           static_cast<int>(std::lround((level - minimum) / (maximum - minimum) * m_plot.width));
}

double DynamicsCurve::outputOffset(double level) const {
    const double minimum = m_outputGrid.front().value;
    const double maximum = m_outputGrid.back().value;
    return (level - minimum) / (maximum - minimum) * m_plot.height;
}

// Pixels of output per pixel of input along the unity line: 1 only on a plot whose
// axes have the same scale.
double DynamicsCurve::unitySlope() const {
    const int run = xOfInput(kUnityReference) - xOfInput(kUnityReference - kUnitySpan);
    const double rise = outputOffset(kUnityReference) - outputOffset(kUnityReference - kUnitySpan);
    return run == 0 ? 0.0 : rise / run;
}

// The row of the unity line lifted by the gain at column x.
int DynamicsCurve::unityY(int x) const {
    const int referenceX = xOfInput(kUnityReference - kUnitySpan);
    const double referenceOffset = outputOffset(m_gain + kUnityReference - kUnitySpan);
    return m_plot.bottom() -
           static_cast<int>(std::lround(referenceOffset + (x - referenceX) * unitySlope()));
}

void DynamicsCurve::computePoints() {
    m_start.x = xOfInput(m_inputGrid.front().value);
    m_start.y = unityY(m_start.x);
    m_thresholdPoint.x = xOfInput(m_threshold);
    m_thresholdPoint.y = unityY(m_thresholdPoint.x);
    m_end.x = xOfInput(m_inputGrid.back().value);
    // A ratio of 1 continues the unity line; a larger one flattens it, whatever the
    // scales of the two axes.
    const double rise = (m_end.x - m_thresholdPoint.x) * unitySlope() / m_ratio;
    const int thresholdOffset = m_plot.bottom() - m_thresholdPoint.y;
    m_end.y = m_plot.bottom() - static_cast<int>(std::lround(thresholdOffset + rise));
}

void DynamicsCurve::layOutGrids() {
    for (EqGridRow& row : m_inputGrid) {
        row.position = xOfInput(row.value);
    }
    for (EqGridRow& row : m_outputGrid) {
        row.position = m_plot.bottom() - static_cast<int>(std::lround(outputOffset(row.value)));
    }
}

} // namespace v32
