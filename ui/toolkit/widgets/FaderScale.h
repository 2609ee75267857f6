#pragma once

#include <span>
#include <vector>

namespace v32 {

// The mapping between a fader's value and its knob position, 0 at the bottom of the travel
// and 1000 at the top. A table scale spreads its points evenly over the travel and
// interpolates between them; a linear scale maps an integer range straight onto it.
class FaderScale {
public:
    enum class Mode {
        Main,   // the 61-point level table, -120 to +10 dB
        Send,   // its first 49 points, -120 to 0 dB
        Table,  // points supplied by the owner
        Linear, // an integer range
    };

    static constexpr int kTop = 1000;

    // A scale mark of the level tables: where it sits and the level it names.
    struct Tick {
        double position;
        double decibels;
    };

    FaderScale();

    Mode mode() const { return m_mode; }

    void useMainTable();
    void useSendTable();
    // The main or the send table given here selects that mode; any other ascending list of
    // at least two points becomes a table of its own. Returns false, changing nothing, for
    // fewer than two points.
    bool useTable(std::span<const double> points);
    // Returns false, changing nothing, unless minimum is below maximum.
    bool useLinearRange(int minimum, int maximum);

    int linearMinimum() const { return m_minimum; }
    int linearMaximum() const { return m_maximum; }

    // The ends of the scale: the first and last points, or the linear range.
    double lowest() const;
    double highest() const;

    // The value as this scale can hold it: a linear scale keeps it in its range.
    double fit(double value) const;

    double positionOf(double value) const;
    double valueAt(double position) const;

    std::span<const Tick> ticks() const { return m_ticks; }

private:
    void useLevelPoints(Mode mode, std::span<const double> points, std::span<const double> marks);

    Mode m_mode = Mode::Main;
    std::vector<double> m_points;
    std::vector<Tick> m_ticks;
    int m_minimum = 0;
    int m_maximum = 1;
};

} // namespace v32
