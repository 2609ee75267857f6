#include "ui/toolkit/widgets/FaderScale.h"

#include "app/protocol/ValueKindId.h"
#include "app/values/DetentTables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace v32 {

namespace {

constexpr std::array<double, 10> kMainMarks = {-120, -50, -40, -30, -20, -10, -5, 0, 5, 10};
constexpr std::array<double, 8> kSendMarks = {-120, -50, -40, -30, -20, -10, -5, 0};

bool samePoints(std::span<const double> a, std::span<const double> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

FaderScale::FaderScale() {
    useMainTable();
}

void FaderScale::useMainTable() {
    useLevelPoints(Mode::Main, detentTable(ValueFaderLevel), kMainMarks);
}

void FaderScale::useSendTable() {
    useLevelPoints(Mode::Send, detentTable(ValueSendLevel), kSendMarks);
}

bool FaderScale::useTable(std::span<const double> points) {
    if (points.size() < 2) {
        return false;
    }
    if (samePoints(points, detentTable(ValueFaderLevel))) {
        useMainTable();
    } else if (samePoints(points, detentTable(ValueSendLevel))) {
        useSendTable();
    } else {
        useLevelPoints(Mode::Table, points, {});
    }
    return true;
}

bool FaderScale::useLinearRange(int minimum, int maximum) {
    if (minimum >= maximum) {
        return false;
    }
    m_mode = Mode::Linear;
    m_minimum = minimum;
    m_maximum = maximum;
    m_points.clear();
    m_ticks.clear();
    return true;
}

void FaderScale::useLevelPoints(Mode mode, std::span<const double> points,
                                std::span<const double> marks) {
    m_mode = mode;
    m_points.assign(points.begin(), points.end());
    m_ticks.clear();
    for (double decibels : marks) {
        m_ticks.push_back({positionOf(decibels), decibels});
    }
}

double FaderScale::lowest() const {
    return m_mode == Mode::Linear ? m_minimum : m_points.front();
}

double FaderScale::highest() const {
    return m_mode == Mode::Linear ? m_maximum : m_points.back();
}

double FaderScale::fit(double value) const {
    if (m_mode != Mode::Linear) {
        return value;
    }
    return std::clamp(std::round(value), static_cast<double>(m_minimum),
                      static_cast<double>(m_maximum));
}

double FaderScale::positionOf(double value) const {
    if (m_mode == Mode::Linear) {
        return (fit(value) - m_minimum) * kTop / (m_maximum - m_minimum);
    }
    if (value <= m_points.front()) {
        return 0.0;
    }
    if (value >= m_points.back()) {
        return kTop;
    }
    std::size_t upper = 1;
    while (value > m_points[upper]) {
        ++upper;
    }
    const double low = m_points[upper - 1];
    const double high = m_points[upper];
    const double segments = static_cast<double>(m_points.size() - 1);
    return (static_cast<double>(upper - 1) + (value - low) / (high - low)) * kTop / segments;
}

double FaderScale::valueAt(double position) const {
    const double clamped = std::clamp(position, 0.0, static_cast<double>(kTop));
    if (m_mode == Mode::Linear) {
        const double span = m_maximum - m_minimum;
        return std::min(std::floor(m_minimum + span * clamped / kTop),
                        static_cast<double>(m_maximum));
    }
    const double segments = static_cast<double>(m_points.size() - 1);
    const auto segment = static_cast<std::size_t>(std::floor(segments * clamped / kTop));
    if (segment >= m_points.size() - 1) {
        return m_points.back();
    }
    const double low = m_points[segment];
    const double high = m_points[segment + 1];
    const double within =
        (clamped - static_cast<double>(segment) * kTop / segments) * segments / kTop;
    return low + (high - low) * within;
}

} // namespace v32
